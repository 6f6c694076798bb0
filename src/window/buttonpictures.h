#pragma once

#include <memory>
#include <string>

namespace platform {
class Picture;
}

// The sixteen button and logo pictures: each loaded from the resources
// folder on first use and kept for the rest of the run; a failed load gives
// none and is tried again at the next use.
namespace tovy {

std::shared_ptr<platform::Picture> BakYea();
std::shared_ptr<platform::Picture> BakYea2();
std::shared_ptr<platform::Picture> BakMon();
std::shared_ptr<platform::Picture> BakMon2();
std::shared_ptr<platform::Picture> Reset();
std::shared_ptr<platform::Picture> Reset2();
std::shared_ptr<platform::Picture> NextMon();
std::shared_ptr<platform::Picture> NextMon2();
std::shared_ptr<platform::Picture> NextYea();
std::shared_ptr<platform::Picture> NextYea2();
std::shared_ptr<platform::Picture> smal();
std::shared_ptr<platform::Picture> smal2();
std::shared_ptr<platform::Picture> Set();
std::shared_ptr<platform::Picture> Set2();
std::shared_ptr<platform::Picture> Blank();
std::shared_ptr<platform::Picture> Tovy3();

} // namespace tovy

// For tests only: the program never calls these.
namespace tovy::testing {

void ForgetButtonPictures();                     // every accessor empty again
void SetButtonPicturesFolder(std::string path); // look there; "" for the resources folder

} // namespace tovy::testing
