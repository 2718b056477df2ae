#pragma once

#include <memory>

class QWidget;

namespace parta {

class Navigation;

// Form21, vowels before н in passive participles.
std::unique_ptr<QWidget> createPassiveVowelsWindow(Navigation &navigation);

} // namespace parta
