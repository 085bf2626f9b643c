#include "app/SelectFolder.h"

#include "app/AppImg.h"
#include "app/Topics.h"
#include "app/Translations.h"
#include "ui/FolderPicker.h"
#include "ui/Gui.h"
#include "richtext/ViewZoom.h"

SelectFolder::SelectFolder(Gui& gui, std::string& installFolder)
    : WithMySelectFolderLay<TopWindow>(gui), gui_(gui), installFolder_(installFolder) {
    if (!ApplyMySelectFolderLay([this](const std::string& key) { return Tr(key); }))
        return;  // Run answers Cancel for a dialog that could not be made
    Title(Tr("Quillmark setup program"));

    Acceptor(ok, kResultOk);
    Rejector(cancel, kResultCancel);
    ArrangeOkCancel(ok, cancel);

    SetIcons(SetupWindowIcon(gui.Instance()));
    browse.WhenAction = [this] { BrowseFolder(); };
    // The caption comes after the field in the layout, where Windows does not look for it.
    path.SetAccessibleName(dv___2.GetLabel());

    info.SetQtf(FindTopic("Zelk-Setup", "App", "firstLay$en-us").text);
    info.SetZoom(1, 1);
    ZoomInfo();

    path.SetText(installFolder_ + "\\Quillmark");
}

void SelectFolder::ZoomInfo() {
    const ViewZoom zoom = ViewZoomFor(info.Width(), Dpi());
    if (zoom.d > 0)
        info.SetZoom(zoom.m, zoom.d);
}

void SelectFolder::OnLayoutDpiChanged() {
    ZoomInfo();
}

bool SelectFolder::AskInstallFolder() {
    const int result = Run();
    installFolder_ = path.GetText();
    return result == kResultOk;
}

void SelectFolder::BrowseFolder() {
    std::string chosen;
    if (!PickFolder(Handle(), installFolder_, Tr("Select directory"), chosen))
        return;
    installFolder_ = chosen;
    path.SetText(chosen);
}

std::string SelectFolder::Tr(const std::string& key) const {
    return Translate(key, gui_.Language());
}
