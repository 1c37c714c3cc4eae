// Loading the level sizes from the settings file.
#include "settings/grid_sizes.h"

#include <fstream>

GridSizes gridSizes = {0, 0, 0};

// The file is opened, read and closed on every call so that an edit made
// while the menu waits takes effect at the next key. Nothing is reported:
// a missing file or a bad number just leaves the earlier sizes in force.
void loadGridSizes() {
    std::ifstream file(kGridSizesFile);
    int* const sizes[] = {&gridSizes.easy, &gridSizes.normal, &gridSizes.hard};
    for (int* size : sizes) {
        int value = 0;
        if (!(file >> value)) {
            return;
        }
        *size = value;
    }
}
