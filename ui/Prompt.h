// The setup's two kinds of message: a plain notice and a warning, each with one
// OK button, titled with the program's file name without extension.
#pragma once

#include <string>

class Window;

void PromptOK(const std::string& text, const Window* owner = nullptr);
void PromptExclamation(const std::string& text, const Window* owner = nullptr);
