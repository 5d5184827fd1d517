// Pictures between the core's JPEG files and the widgets: conversion, the pictures a user picks, the
// pictures compiled into the program.
#pragma once

#include "storage/JpegFile.h"

#include <QImage>
#include <QString>

#include <string>

QImage ToQImage(const TRgbImage& image);
// Transparent parts turn white, as the picture would look on the page.
TRgbImage ToRgbImage(const QImage& image);

// A picture the user picked. A JPEG file the decoder reads is kept byte for byte, so storing it loses
// nothing; any other picture is encoded anew.
struct TChosenPicture {
    QImage Image;
    std::string JpegBytes;
};

// Reads any picture format the window knows. A damaged JPEG file gives the decoder's "JPEG error #n".
bool ReadChosenPicture(const QString& path, TChosenPicture& picture, QString& message);
// Stores the picture as the JPEG file at `path`.
bool StorePicture(const std::string& path, const TChosenPicture& picture, std::string& message);

// A JPEG picture compiled into the program, decoded by the same decoder as the picture files.
QImage JpegResource(const QString& name);
