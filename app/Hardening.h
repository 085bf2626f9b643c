#pragma once

// Makes the process safe to run elevated from a download folder. Called first
// in WinMain, before anything can load a DLL.
void HardenProcess();
