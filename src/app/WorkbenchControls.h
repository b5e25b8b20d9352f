#pragma once

// The control classes the workbench's windows are built from. Today they are the plain
// controls of the framework and the plain stand-ins of this folder, which offer what the
// commands use under the names the commands use; the skinned classes replace them here.

#include "app/PlainFileDialogs.h"
#include "app/PlainMessage.h"
#include "app/PlainPanels.h"
#include "app/PlainScrollBox.h"
#include "app/PlainTrackBar.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/GroupBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/Memo.h"
#include "ui/NumericEdit.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"
#include "ui/PopupMenu.h"
#include "ui/ScrollBar.h"
#include "ui/SpeedButton.h"
#include "ui/Splitter.h"
#include "ui/TabSheet.h"

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
using TWorkbenchPageControl = TPageControl;
using TWorkbenchTabSheet = TTabSheet;
using TWorkbenchEdit = TEdit;
using TWorkbenchNumericEdit = TNumericEdit;
using TWorkbenchMemo = TMemo;
using TWorkbenchListView = TListView;
using TWorkbenchScrollBox = TPlainScrollBox;
using TWorkbenchScrollBar = TScrollBar;
using TWorkbenchSplitter = TSplitter;
using TWorkbenchOpenPictureDialog = TPlainOpenPictureDialog;
using TWorkbenchSavePictureDialog = TPlainSavePictureDialog;
using TWorkbenchSelectDirectoryDialog = TPlainSelectDirectoryDialog;

} // namespace tavrik
