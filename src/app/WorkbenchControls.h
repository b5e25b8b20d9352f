#pragma once

// The control classes the workbench's windows are built from: the skinned controls and
// dialogs, drawn with the program's skin.

#include "skincontrols/SkinButton.h"
#include "skincontrols/SkinCheckRadioBox.h"
#include "skincontrols/SkinEdit.h"
#include "skincontrols/SkinExPanel.h"
#include "skincontrols/SkinGauge.h"
#include "skincontrols/SkinGroupBox.h"
#include "skincontrols/SkinLabel.h"
#include "skincontrols/SkinLinkLabel.h"
#include "skincontrols/SkinListView.h"
#include "skincontrols/SkinMemo.h"
#include "skincontrols/SkinNumericEdit.h"
#include "skincontrols/SkinPanel.h"
#include "skincontrols/SkinPopupMenu.h"
#include "skincontrols/SkinScrollBar.h"
#include "skincontrols/SkinScrollBox.h"
#include "skincontrols/SkinSpeedButton.h"
#include "skincontrols/SkinSplitter.h"
#include "skincontrols/SkinStatusBar.h"
#include "skincontrols/SkinStatusPanel.h"
#include "skincontrols/SkinStdLabel.h"
#include "skincontrols/SkinTrackBar.h"
#include "skindialogs/SkinOpenPictureDialog.h"
#include "skindialogs/SkinSelectDirectoryDialog.h"
#include "skinforms/SkinMessage.h"
#include "skinforms/SkinPageControl.h"

namespace tavrik {

using TWorkbenchPanel = TbsSkinPanel;
using TWorkbenchExPanel = TbsSkinExPanel;
using TWorkbenchStatusBar = TbsSkinStatusBar;
using TWorkbenchStatusPanel = TbsSkinStatusPanel;
using TWorkbenchButton = TbsSkinButton;
using TWorkbenchSpeedButton = TbsSkinSpeedButton;
using TWorkbenchCheckBox = TbsSkinCheckRadioBox;
using TWorkbenchTrackBar = TbsSkinTrackBar;
using TWorkbenchGauge = TbsSkinGauge;
// The labels named Label...: plain text on the parent's background, in the skin's font.
using TWorkbenchLabel = TbsSkinStdLabel;
// The labels named bsSkinLabel...: drawn as a cell of the skin.
using TWorkbenchSkinLabel = TbsSkinLabel;
using TWorkbenchLinkLabel = TbsSkinLinkLabel;
using TWorkbenchGroupBox = TbsSkinGroupBox;
using TWorkbenchPopupMenu = TbsSkinPopupMenu;
using TWorkbenchMessage = TbsSkinMessage;
using TWorkbenchPageControl = TbsSkinPageControl;
using TWorkbenchTabSheet = TbsSkinTabSheet;
using TWorkbenchEdit = TbsSkinEdit;
using TWorkbenchNumericEdit = TbsSkinNumericEdit;
using TWorkbenchMemo = TbsSkinMemo;
using TWorkbenchListView = TbsSkinListView;
using TWorkbenchScrollBox = TbsSkinScrollBox;
using TWorkbenchScrollBar = TbsSkinScrollBar;
using TWorkbenchSplitter = TbsSkinSplitter;
using TWorkbenchOpenPictureDialog = TbsSkinOpenPictureDialog;
using TWorkbenchSavePictureDialog = TbsSkinSavePictureDialog;
using TWorkbenchSelectDirectoryDialog = TbsSkinSelectDirectoryDialog;

} // namespace tavrik
