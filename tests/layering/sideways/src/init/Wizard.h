#pragma once

#include "panels/PanelMenus.h"
