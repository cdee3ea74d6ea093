// SPDX-License-Identifier: MIT
// The hicolor icons kept in the tree: every size from 16 to 256 for every
// SVG, each PNG of its folder's size and a rendering of its SVG as it is now.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

const int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QDir icon_dir() { return QDir(QString::fromLocal8Bit(std::getenv("ICON_DIR"))); }

QStringList svg_ids() {
  QStringList ids;
  for (const QFileInfo& svg :
       QDir(icon_dir().filePath("scalable/apps")).entryInfoList({"*.svg"}, QDir::Files))
    ids << svg.completeBaseName();
  return ids;
}

QString png_path(int size, const QString& id) {
  return icon_dir().filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(id));
}

// The share of pixels whose colour or opacity differ by more than `tolerance`
// levels in some channel.
double share_of_differing_pixels(const QImage& a, const QImage& b, int tolerance) {
  const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  long differing = 0;
  for (int row = 0; row < x.height(); ++row) {
    const auto* x_row = reinterpret_cast<const QRgb*>(x.constScanLine(row));
    const auto* y_row = reinterpret_cast<const QRgb*>(y.constScanLine(row));
    for (int column = 0; column < x.width(); ++column) {
      const QRgb p = x_row[column];
      const QRgb q = y_row[column];
      if (std::abs(qRed(p) - qRed(q)) > tolerance || std::abs(qGreen(p) - qGreen(q)) > tolerance ||
          std::abs(qBlue(p) - qBlue(q)) > tolerance || std::abs(qAlpha(p) - qAlpha(q)) > tolerance)
        ++differing;
    }
  }
  return double(differing) / double(x.width() * x.height());
}

TEST(Icons, EverySizeOfEverySvgIsAPngOfThatSize) {
  const QStringList ids = svg_ids();
  ASSERT_EQ(ids.size(), 2) << "the writer's and the opener's icon";
  for (const int size : kSizes) {
    const QDir folder(icon_dir().filePath(QStringLiteral("%1x%1/apps").arg(size)));
    QStringList expected;
    for (const QString& id : ids) expected << id + ".png";
    expected.sort();
    EXPECT_EQ(folder.entryList(QDir::Files, QDir::Name), expected) << size << "x" << size;
    for (const QString& id : ids) {
      const QImage image(png_path(size, id));
      ASSERT_FALSE(image.isNull()) << png_path(size, id).toStdString();
      EXPECT_EQ(image.width(), size) << png_path(size, id).toStdString();
      EXPECT_EQ(image.height(), size) << png_path(size, id).toStdString();
      EXPECT_TRUE(image.hasAlphaChannel()) << png_path(size, id).toStdString();
    }
  }
}

// A changed SVG whose PNGs were not made again (tools/render_icons.sh) shows
// here. Renderer versions differ a little on edges, hence the tolerance.
TEST(Icons, PngsAreRenderingsOfTheirSvg) {
  const QString rsvg = QStandardPaths::findExecutable("rsvg-convert");
  if (rsvg.isEmpty()) GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
  QTemporaryDir out;
  ASSERT_TRUE(out.isValid());
  for (const QString& id : svg_ids()) {
    for (const int size : kSizes) {
      const QString rendered = out.filePath(QStringLiteral("%1-%2.png").arg(id).arg(size));
      const int status = QProcess::execute(
          rsvg, {"--width", QString::number(size), "--height", QString::number(size),
                 "--keep-aspect-ratio", "--format", "png", "--output", rendered,
                 icon_dir().filePath("scalable/apps/" + id + ".svg")});
      ASSERT_EQ(status, 0) << id.toStdString() << " at " << size;
      const QImage fresh(rendered);
      const QImage kept(png_path(size, id));
      ASSERT_EQ(fresh.size(), kept.size()) << png_path(size, id).toStdString();
      EXPECT_LE(share_of_differing_pixels(fresh, kept, 24), 0.01)
          << png_path(size, id).toStdString() << " is not a rendering of its SVG";
    }
  }
}

// The comparison itself: an icon against another icon, or shifted, differs.
TEST(Icons, TheComparisonSeesADifferentPicture) {
  const QString id = svg_ids().value(0);
  const QImage image(png_path(64, id));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(share_of_differing_pixels(image, image, 0), 0.0);
  const QImage other(png_path(64, svg_ids().value(1)));
  EXPECT_GT(share_of_differing_pixels(image, other, 24), 0.01);
  const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage shifted(image.size(), QImage::Format_ARGB32_Premultiplied);
  shifted.fill(Qt::transparent);
  for (int row = 0; row < image.height(); ++row) {
    const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(row));
    auto* to = reinterpret_cast<QRgb*>(shifted.scanLine(row));
    for (int column = 4; column < image.width(); ++column) to[column] = from[column - 4];
  }
  EXPECT_GT(share_of_differing_pixels(image, shifted, 24), 0.01);
}

}  // namespace
