// The toolbar and window icons at 100 %, 150 % and 200 %: each scale has a picture of its own
// size in the resources, so nothing is drawn from an enlarged 16-pixel picture.
#include <gtest/gtest.h>

#include <QIcon>
#include <QPixmap>

#include "controls/skin.h"

namespace quarrant {
namespace {

TEST(SkinIcons, EveryScaleHasAPictureOfItsSize) {
  for (const char* name : {"saveas", "print", "preview", "quarrant"}) {
    const QIcon icon = skinIcon(name);
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}}))
        << name;
    for (const double scale : {1.0, 1.5, 2.0})
      EXPECT_EQ(icon.pixmap(QSize(16, 16), scale).size(), QSize(16, 16) * scale)
          << name << " at " << scale;
  }
}

}  // namespace
}  // namespace quarrant
