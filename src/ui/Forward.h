#pragma once

// Declarations only, for headers that pass the framework's types around.
namespace tavrik {

class TComponent;
class TControl;
class TWinControl;
class TGraphicControl;
class TCustomControl;
class TForm;
class TApplication;
class TScreen;
class TFont;
class TPicture;
class TImageList;
class TMenuItem;
class TPopupMenu;
class THintWindow;
class TThread;
struct TMessage;

} // namespace tavrik
