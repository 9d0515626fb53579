#pragma once
// The pages' tests drive the main window with the shared window fixture.
#include "support/window_fixture.h"

namespace quarrant::testing_support {

using PageTest = window_tests::WindowTest;

}  // namespace quarrant::testing_support
