// Loading the level sizes from a settings file.
#include "settings/grid_sizes.h"

#include "platform/platform.h"
#include "platform/read_buffer.h"

#include <istream>
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

// The numbers are read straight from the file a block at a time and the
// reading stops at the third, so a huge or endless file costs no more than
// the bytes before its third number. Nothing is reported: a file that can't
// be read, or a bad number, just leaves the earlier sizes in force.
void loadGridSizesFrom(const char* name) {
    const int descriptor = openRegularFile(name);
    if (descriptor < 0) {
        return;
    }
    ReadBuffer buffer(descriptor);
    buffer.skipPrefix(kByteOrderMark);
    std::istream file(&buffer);
    readSize(file, gridSizes.easy);
    readSize(file, gridSizes.normal);
    readSize(file, gridSizes.hard);
    closeFile(descriptor);
}

// Read afresh on every call, so that an edit made while the menu waits
// takes effect at the next key.
void loadGridSizes() {
    loadGridSizesFrom(kGridSizesFile);
}
