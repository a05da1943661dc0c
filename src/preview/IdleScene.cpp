#include "preview/IdleScene.h"

#include "document/LanguageTable.h"
#include "document/SkinModel.h"
#include "resources/VelaSkinResources.h"

#include <QFile>

#include <vector>

using namespace idlescreen;

JoyPadCaptions joyPadCaptions(const LanguageTable& texts)
{
    JoyPadCaptions captions;
    for (std::size_t i = 0; i < joyPadLabels.size(); ++i)
        captions[i] = QString::fromStdString(texts.text(joyPadLabels[i].captionText));
    return captions;
}

bool IdleScene::load(const SkinModel& model, const JoyPadCaptions& captions, const PreviewArea& area)
{
    loadStatusStrip();
    const bool wallpaperRead = loadWallpaper(model);
    loadFrames(model, captions, area);
    return wallpaperRead;
}

void IdleScene::loadFrames(const SkinModel& model, const JoyPadCaptions& captions, const PreviewArea& area)
{
    for (const Key key : {Key::Left, Key::Right, Key::Centre})
        loadKeyFrame(model, key, area);
    loadClockFace(model, area);
    placeJoyPadLabels(model, captions, area);
}

bool IdleScene::loadStatusStrip()
{
    initVelaSkinResources();
    QFile resource(QStringLiteral(":/gif/156"));
    if (!resource.open(QIODevice::ReadOnly)) {
        statusStrip.release();
        return false;
    }
    const QByteArray bytes = resource.readAll();
    return statusStrip.loadFromBytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()), int(bytes.size()));
}

bool IdleScene::loadWallpaper(const SkinModel& model)
{
    wallpaper.release();
    if (model.wallpaperSize() < 0)
        return false;
    wallpaper.loadFromBytes(model.wallpaperBytes());
    return true;
}

void IdleScene::loadKeyFrame(const SkinModel& model, Key key, const PreviewArea& area)
{
    const KeyStateIds& ids = keyStateIds(key, view.keyState(key));
    std::vector<std::uint8_t> bytes;
    if (model.getPicture(ids.picture, bytes) < 0)
        bytes.clear();
    FrameContent& content = frame(keyIds(key).frame);
    content.setGeometryAndPicture(bytes, model.getRect(ids.rect), area);
    content.opacity = model.getNumber(ids.opacity);
}

void IdleScene::loadClockFace(const SkinModel& model, const PreviewArea& area)
{
    std::vector<std::uint8_t> bytes;
    if (model.getPicture(clockFace.picture, bytes) < 0)
        bytes.clear();
    frame(clockFace.frame).setGeometryAndPicture(bytes, model.getRect(clockFace.rect), area);
}

void IdleScene::placeJoyPadLabels(const SkinModel& model, const JoyPadCaptions& captions, const PreviewArea& area)
{
    for (std::size_t i = 0; i < joyPadLabels.size(); ++i) {
        const JoyPadLabelIds& label = joyPadLabels[i];
        frame(label.frame).setCaption(captions[i], model.getRect(view.joyPadShown ? label.rectOn : label.rectOff), area);
    }
}
