// The grid sizes of the three levels and the file they are read from.
// The sizes live for the whole run and change only when the file is loaded.
#pragma once

// The side length of each level's square grid.
struct GridSizes {
    int easy;
    int normal;
    int hard;
};

// The settings file, opened by this name in the current working directory.
inline constexpr const char* kGridSizesFile = "GameData.txt";

// The sizes in force; all 0 until a load succeeds.
extern GridSizes gridSizes;

// Reads the three sizes from the named file if it is a regular one. A size
// whose number cannot be read keeps its value, and so does every size after
// it.
void loadGridSizesFrom(const char* name);

// Reads the three sizes afresh from the settings file in the current
// folder, as loadGridSizesFrom does.
void loadGridSizes();
