/* The program's name and version, as its window, its messages, the console tool
   and the version resource show them. Read by the resource compiler and by C++. */
#pragma once

#define TL_PROGRAM_NAME "Tintlens"
#define TL_VERSION "1.0"
