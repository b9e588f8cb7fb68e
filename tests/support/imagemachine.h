#pragma once

#include "support/testimage.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A machine whose drive C is a test image and whose drive H is a host folder, made current.
class ImageMachineTest : public ::testing::Test
{
protected:
    void SetUp() override;
    // Makes `imagePath` drive C of a fresh current machine (with `driveOptions` after ",fixed").
    void useImage(const QString& imagePath, const QString& driveOptions = {});
    QString hostFolder() const { return m_machine.filePath(QStringLiteral("host")); }
    void writeHostFile(const QString& name, const QByteArray& bytes) const;

    std::unique_ptr<TestImage> image;

private:
    QTemporaryDir m_machine;
};

#define SKIP_WITHOUT_IMAGE_TOOLS()                                                                           \
    if (!TestImage::toolsAvailable())                                                                        \
    GTEST_SKIP() << "mkfs.fat, mtools or fsck.fat is missing (Debian packages dosfstools, mtools)"
