#include "ui/Button.h"

void Button::SetDefault(bool isDefault) {
    SendMessageW(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}
