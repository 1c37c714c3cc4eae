// Loading the level sizes from the settings file.
#include "settings/grid_sizes.h"

#include "platform/platform.h"

#include <sstream>
#include <string>
#include <string_view>

GridSizes gridSizes = {0, 0, 0};

// Notepad and PowerShell start UTF-8 text with this mark; it is no part of
// the numbers.
static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Stores the file's next number into size when it can be read. Once a read
// has failed the stream stays failed, so every later size is kept as well.
static void readSize(std::istream& file, int& size) {
    int value = 0;
    if (file >> value) {
        size = value;
    }
}

// The file is read afresh on every call so that an edit made while the
// menu waits takes effect at the next key. Nothing is reported: a file that
// can't be read, or a bad number, just leaves the earlier sizes in force.
void loadGridSizes() {
    std::string text;
    if (!readRegularFile(kGridSizesFile, text)) {
        return;
    }
    if (text.starts_with(kByteOrderMark)) {
        text.erase(0, kByteOrderMark.size());
    }
    std::istringstream file(text);
    readSize(file, gridSizes.easy);
    readSize(file, gridSizes.normal);
    readSize(file, gridSizes.hard);
}
