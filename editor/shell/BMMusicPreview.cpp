#include "editor/shell/BMMusicPreview.h"

#include "editor/model/BMData.h"
#include "scenario/ZDMusicFinder.h"
#include "framework/gui/HComponent.h"
#include "framework/midi/HMIDIPlayer.h"

namespace {

// The scenario folder, its area list and the map shown: music started here belongs here.
std::string placeOf(const BMData* data)
{
    if (data == nullptr || data->getCurrent() == 0) {
        return std::string();
    }
    return data->getScenarioDirectory().getFullPath() + "|" + data->getAreaDataFile().getFullPath()
           + "|" + std::to_string(data->getCurrent());
}

}  // namespace

BMMusicPreview::BMMusicPreview(HMIDIPlayer* player, HComponent* statusBar)
    : m_player(player), m_statusBar(statusBar)
{
    setClassName("BMMusicPreview");
}

BMMusicPreview::~BMMusicPreview() = default;

bool BMMusicPreview::isPlaying() const
{
    return !m_place.empty() && m_player->isPlaying();
}

void BMMusicPreview::toggle(const BMData* data)
{
    if (isPlaying()) {
        stop();
        return;
    }
    m_place.clear();
    const ZDEditArea* area = data != nullptr && data->getCurrent() > 0
                                 ? data->getArea(data->getCurrent() - 1)
                                 : nullptr;
    if (area == nullptr) {
        return;
    }
    const std::string& name = area->getMusic();
    if (name.empty()) {
        say("このエリアには曲が設定されていません");
        return;
    }
    HFile file = ZDMusicFinder::find(name, data->getScenarioDirectory(),
                                     ZDAreaMapData::getGameDirectory());
    if (file.isEmpty()) {
        debug("toggle:no file for %s", name.c_str());
        say("曲ファイルが見つかりません: " + name);
        return;
    }
    m_player->setText(file.getFullPath());
    m_player->setUserData(0);  // plays, or shows why it cannot
    if (!m_player->isPlaying()) {
        say("再生できませんでした: " + name);
        return;
    }
    m_place = placeOf(data);
    m_name = name;
    say("再生中: " + name + " (" + file.getFullPath() + ")");
}

void BMMusicPreview::follow(const BMData* data)
{
    if (m_place.empty()) {
        return;
    }
    if (!m_player->isPlaying()) {
        m_place.clear();  // the piece has ended by itself
    } else if (placeOf(data) != m_place) {
        stop();
    }
}

void BMMusicPreview::stop()
{
    m_player->setUserData(1);
    m_place.clear();
    say("停止: " + m_name);
}

void BMMusicPreview::say(const std::string& text)
{
    if (m_statusBar != nullptr) {
        m_statusBar->setWindowText(text);
    }
}
