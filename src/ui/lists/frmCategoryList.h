#pragma once
// The category list window: frmNameList over the categories.
#include "ui/lists/frmNameList.h"
