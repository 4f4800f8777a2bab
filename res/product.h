/* The program's name, as its window, its messages and its version resource show
   it. Read by the resource compiler and by C++. */
#pragma once

#define TL_PROGRAM_NAME "Tintlens"
