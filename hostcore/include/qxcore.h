// Everything the host core library offers, for code that uses much of it.
#pragma once
#include "QXExport.h"
#include "QXHostWindows.h"
#include "QXJob.h"
#include "QXModuleManager.h"
#include "QXProfile.h"
#include "QXRunSettings.h"
#include "QXScriptManager.h"
#include "QXSettingsManager.h"
#include "QXTest.h"
#include "QXXact.h"
#include "XMLArchive.h"
