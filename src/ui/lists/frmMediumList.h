#pragma once
// The medium list window: frmNameList over the mediums.
#include "ui/lists/frmNameList.h"
