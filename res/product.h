/* The program's name and version, as its window, its messages, the console tool
   and the version resource show them. Read by the resource compiler and by C++. */
#pragma once

#include "res/version.h" /* TL_VERSION, made from project(VERSION) by CMake */

#define TL_PROGRAM_NAME "Tintlens"
