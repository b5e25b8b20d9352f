#pragma once

#include "ui/Component.h"

#include <string>
#include <vector>

namespace tavrik {

// The open and save picture dialogs as the workbench's commands use them: set Title,
// InitialDir (a folder or a root such as "rfDesktop"), Filter ("description|masks|..."),
// FilterIndex (1-based), FileName and MultiSelection, call Execute, which shows the dialog
// modally and answers whether the user confirmed; then FileName is the (first) chosen file
// with its folder, Files all of them, FilterIndex the filter in use. The dialog starts in the
// folder of the last chosen file, or InitialDir the first time.
class TPlainPictureDialog : public TComponent {
public:
    const char* ClassName() const override { return "TPlainPictureDialog"; }

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& dir) { initialDir_ = dir; }
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& filter) { filter_ = filter; }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }
    bool MultiSelection() const { return multiSelection_; }
    void SetMultiSelection(bool on) { multiSelection_ = on; }
    const std::vector<std::string>& Files() const { return files_; }

    bool Execute();

protected:
    TPlainPictureDialog(TComponent* owner, bool save) : TComponent(owner), save_(save) {}

private:
    bool save_;
    std::string title_;
    std::string initialDir_;
    std::string filter_;
    int filterIndex_ = 1;
    std::string fileName_;
    bool multiSelection_ = false;
    std::vector<std::string> files_;
};

class TPlainOpenPictureDialog : public TPlainPictureDialog {
public:
    explicit TPlainOpenPictureDialog(TComponent* owner) : TPlainPictureDialog(owner, false) {}
    const char* ClassName() const override { return "TPlainOpenPictureDialog"; }
};

class TPlainSavePictureDialog : public TPlainPictureDialog {
public:
    explicit TPlainSavePictureDialog(TComponent* owner) : TPlainPictureDialog(owner, true) {}
    const char* ClassName() const override { return "TPlainSavePictureDialog"; }
};

// The select-directory dialog: Title, Directory (where it starts, and after a confirmed
// Execute the chosen folder), and a modal Execute answering whether the user confirmed.
class TPlainSelectDirectoryDialog : public TComponent {
public:
    explicit TPlainSelectDirectoryDialog(TComponent* owner) : TComponent(owner) {}
    const char* ClassName() const override { return "TPlainSelectDirectoryDialog"; }

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& directory) { directory_ = directory; }

    bool Execute();

private:
    std::string title_;
    std::string directory_;
};

} // namespace tavrik
