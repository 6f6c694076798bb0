// The test hooks live beside what they set: date.cpp (the clock), screen.cpp
// (the screens), folderitem.cpp (the settings folder), selectcolor.cpp (the
// colour picker), menupresenter.cpp (menu choices), window.cpp and
// control.cpp (widgets, windows), application.cpp (the quit request).
