// Resource numbers of the AppImg pictures in the executable. Read by the
// resource compiler as well, so it holds nothing but definitions.
#pragma once

#define APPIMG_SETUP48 6000
#define APPIMG_SETUP32 6001
#define APPIMG_SETUP16 6002
#define APPIMG_PRGFOLDER_1_48 6003
#define APPIMG_PRGFOLDER_1_32 6004
#define APPIMG_PRGFOLDER_1_16 6005
