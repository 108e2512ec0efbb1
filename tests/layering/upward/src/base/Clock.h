#pragma once

#include "program/App.h"
