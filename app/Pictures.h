#pragma once
// The pictures stored with the forms (resources/pictures.qrc): the splash picture, the two
// pictures of the About box and the application icon "ICON1".

#include <QIcon>
#include <QString>

inline constexpr const char* kSplashPicturePath = ":/pictures/splash.png";
inline constexpr const char* kAboutBackgroundPath = ":/pictures/about_background.jpg";
inline constexpr const char* kAboutSidePicturePath = ":/pictures/about_mechanism.jpg";
inline constexpr const char* kIconResourcePath = ":/pictures/ICON1";

// Registers the pictures (the forms live in a static library, so nothing does it by itself).
void InitPictureResources();

// The icon resource "ICON1" (32 x 32, 16 colours).
QIcon ApplicationIcon();
