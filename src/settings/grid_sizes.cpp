// Loading the level sizes from the settings file.
#include "settings/grid_sizes.h"

#include <fstream>

GridSizes gridSizes = {0, 0, 0};

// Stores the file's next number into size when it can be read. Once a read
// has failed the stream stays failed, so every later size is kept as well.
static void readSize(std::istream& file, int& size) {
    int value = 0;
    if (file >> value) {
        size = value;
    }
}

// The file is opened, read and closed on every call so that an edit made
// while the menu waits takes effect at the next key. Nothing is reported:
// a missing file or a bad number just leaves the earlier sizes in force.
void loadGridSizes() {
    std::ifstream file(kGridSizesFile);
    readSize(file, gridSizes.easy);
    readSize(file, gridSizes.normal);
    readSize(file, gridSizes.hard);
}
