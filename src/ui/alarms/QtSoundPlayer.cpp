#include "ui/alarms/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "ui/app/FilePath.h"

namespace rovik {

namespace {
// A minute of CD-quality stereo; anything bigger is not an alarm sound, and loading it
// would only hold the memory.
constexpr qint64 kMaxWaveBytes = 12 * 1024 * 1024;
constexpr qint64 kHeaderBytes = 12;
}  // namespace

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

QString QtSoundPlayer::Locate(const std::string& path) {
    const QString given = FromPath(path);
    if (QFileInfo(given).isRelative() && !QFileInfo::exists(given)) {
        return QDir(QCoreApplication::applicationDirPath()).filePath(given);
    }
    return given;
}

bool QtSoundPlayer::IsPlayableWave(const QString& file) {
    const QFileInfo info(file);
    if (!info.isFile() || info.size() > kMaxWaveBytes) {
        return false;
    }
    QFile wave(file);
    if (!wave.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray header = wave.read(kHeaderBytes);
    return header.size() == kHeaderBytes && header.startsWith("RIFF") && header.mid(8, 4) == "WAVE";
}

bool QtSoundPlayer::Start(const std::string& path) {
    if (IsPlaying()) {
        return false;
    }
    const QString file = Locate(path);
    if (!IsPlayableWave(file)) {
        return false;
    }
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull()) {
        return false;
    }
    // A new effect each time follows a change of the default output.
    effect = std::make_unique<QSoundEffect>(output);
    effect->setSource(QUrl::fromLocalFile(file));
    effect->play();
    return true;
}

bool QtSoundPlayer::IsPlaying() const {
    // The file loads before it plays; until then it counts as playing, so that a second
    // start does not replace it.
    return effect && (effect->isPlaying() || effect->status() == QSoundEffect::Loading);
}

}  // namespace rovik
