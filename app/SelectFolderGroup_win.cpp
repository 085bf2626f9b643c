#include "app/SelectFolderGroup.h"

#include "app/AppImg.h"
#include "app/Translations.h"
#include "ui/Gui.h"
#include "richtext/ViewZoom.h"

namespace {

const char kTitle[] = "Zelk - Launch icons";
const char kGroupPrompt[] = "[2 Select the start program folder group. ]";
const char kDesktopQuestion[] = "[2 Do you wish to create a desktop quick launch icon?]";
const char kDesktopOption[] = "Desktop quick launch icon.";
constexpr int kIconColumnWeight = 10;
constexpr int kNameColumnWeight = 90;
constexpr int kNameColumn = 1;
constexpr int kRowHeight = 18;      // pixels at 96 DPI
constexpr int kFolderPicture = 16;  // pixels at 96 DPI

void Zoom(RichTextView& view, int dpi) {
    const ViewZoom zoom = ViewZoomFor(view.Width(), dpi);
    if (zoom.d > 0)
        view.SetZoom(zoom.m, zoom.d);
}

void ShowInfo(RichTextView& view, const char* qtf, int dpi) {
    view.SetQtf(qtf);
    view.SetZoom(1, 1);
    Zoom(view, dpi);
}

}  // namespace

SelectFolderGroup::SelectFolderGroup(Gui& gui, Platform& platform)
    : WithMyInfoOptionLay<TopWindow>(gui),
      gui_(gui),
      platform_(platform),
      folderIcon_(gui.Instance(), gui.Scale(kFolderPicture)) {
    ApplyMyInfoOptionLay(
        [this](const std::string& key) { return Translate(key, gui_.Language()); });
    Title(kTitle);
    Acceptor(ok, kResultOk);
    SetIcons(SetupWindowIcon(gui.Instance()));
}

LaunchIconAnswers SelectFolderGroup::AskLaunchIcons() {
    // A dialog the system could not make asks nothing: its proposals stand,
    // rather than an empty field putting the shortcuts loose into Programs.
    if (!Created())
        return {kDefaultProgramGroup, true};
    const int dpi = Dpi();
    ShowInfo(prgfolderinfo, kGroupPrompt, dpi);
    // The prompt above the field is its caption.
    prgfolder.SetAccessibleName(prgfolderinfo.PlainText());
    prgfolderlist.AddColumn("", kIconColumnWeight);
    prgfolderlist.AddColumn("", kNameColumnWeight);
    prgfolderlist.WhenCursor = [this] { FolderSelected(); };
    FillFolderList();
    prgfolder.SetText(kDefaultProgramGroup);
    ShowInfo(desktopiconinfo, kDesktopQuestion, dpi);
    option.SetLabel(kDesktopOption);
    option.Set(true);

    const int result = Run();
    Show(false);
    return {prgfolder.GetText(), DesktopShortcutWanted(result, option.Get())};
}

void SelectFolderGroup::FillFolderList() {
    prgfolderlist.SetRowHeight(Scale(kRowHeight));
    for (const std::string& name : ProgramFolderNames(platform_)) {
        const int row = prgfolderlist.AddRow({"", name});
        prgfolderlist.SetDisplay(row, 0, folderIcon_);
    }
}

void SelectFolderGroup::OnLayoutDpiChanged() {
    Zoom(prgfolderinfo, Dpi());
    Zoom(desktopiconinfo, Dpi());
    folderIcon_ = DisplayProgramFolderIcon(gui_.Instance(), Scale(kFolderPicture));
    prgfolderlist.SetRowHeight(Scale(kRowHeight));
    InvalidateRect(prgfolderlist.Handle(), nullptr, TRUE);
}

void SelectFolderGroup::FolderSelected() {
    if (!prgfolderlist.IsCursor())
        return;
    prgfolder.SetText(GroupInFolder(prgfolderlist.Get(prgfolderlist.GetCursor(), kNameColumn)));
}
