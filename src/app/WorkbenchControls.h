#pragma once

// The control classes the workbench's windows are built from. Today they are the plain
// controls of the framework and the plain stand-ins of this folder, which offer what the
// commands use under the names the commands use; the skinned classes replace them here.

#include "app/PlainMessage.h"
#include "app/PlainPanels.h"
#include "app/PlainTrackBar.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/PopupMenu.h"
#include "ui/SpeedButton.h"

namespace tavrik {

using TWorkbenchPanel = TPanel;
using TWorkbenchExPanel = TPlainExPanel;
using TWorkbenchStatusBar = TPanel;
using TWorkbenchStatusPanel = TPlainStatusPanel;
using TWorkbenchButton = TButton;
using TWorkbenchSpeedButton = TSpeedButton;
using TWorkbenchCheckBox = TCheckBox;
using TWorkbenchTrackBar = TPlainTrackBar;
using TWorkbenchGauge = TPlainGauge;
using TWorkbenchLabel = TLabel;
using TWorkbenchLinkLabel = TPlainLinkLabel;
using TWorkbenchGroupBox = TGroupBox;
using TWorkbenchPopupMenu = TPopupMenu;
using TWorkbenchMessage = TPlainMessage;

} // namespace tavrik
