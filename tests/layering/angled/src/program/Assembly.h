#pragma once

#include <vector>
#include <mainwindow/HeadlessProgram.h>
