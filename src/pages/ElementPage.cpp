#include "ElementPage.h"

ElementPage::ElementPage(SkinModel& model, LanguageTable& texts, QWidget* parent)
    : QWidget(parent), model(model), texts(texts)
{
    setObjectName(QStringLiteral("elementPage"));
}
