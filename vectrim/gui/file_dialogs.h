// The open and save dialog operations. A chosen path comes back followed by
// one NUL character (the dialog buffer's terminator), a cancelled dialog as
// an empty string; the callers rely on that NUL. Filters are given as
// description and pattern pairs separated by "|".
#pragma once

#include <string>

class QWidget;

namespace vectrim {

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // A file that exists.
    virtual std::string open(QWidget* owner, const std::string& filter, const std::string& title,
                             const std::string& initialFolder) = 0;
    // A file to write, with `suggested` as the proposed name; asks before
    // overwriting.
    virtual std::string save(QWidget* owner, const std::string& filter, const std::string& title,
                             const std::string& initialFolder, const std::string& suggested) = 0;
};

// The desktop's dialogs. Without a user (VECTRIM_NONINTERACTIVE=1) every
// dialog counts as cancelled.
class QtFileDialogs : public FileDialogs {
public:
    std::string open(QWidget* owner, const std::string& filter, const std::string& title,
                     const std::string& initialFolder) override;
    std::string save(QWidget* owner, const std::string& filter, const std::string& title,
                     const std::string& initialFolder, const std::string& suggested) override;
};

// A "|"-separated filter as a Qt name filter: "Text (*.x *.X);;...". Each
// pattern is offered in lower and upper case, since file names differ in
// case here.
std::string qtNameFilter(const std::string& filter);

} // namespace vectrim
