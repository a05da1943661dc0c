#include "ImagesPage.h"

ImagesPage::ImagesPage(SkinModel& model, LanguageTable& texts, QWidget* mainWindow, QWidget* parent)
    : QWidget(parent), model(model), texts(texts), owner(mainWindow)
{
    setObjectName(QStringLiteral("imagesPage"));
}
