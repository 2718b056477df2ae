#pragma once

#include <memory>

class QWidget;

namespace parta {

class Navigation;

// Form7 and Form8, the two variants of the branches-of-linguistics exercise.
std::unique_ptr<QWidget> createLinguisticsBranchesWindow(int number, Navigation &navigation);

} // namespace parta
