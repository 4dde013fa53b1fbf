#include "framework/midi/HMIDIPlayer.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "framework/base/HText.h"
#include "framework/gui/HContainer.h"
#include "framework/midi/HMIDIMessage.h"

namespace {

const uint32_t kStartDelay = 100;  // ms before the first event
// The longest delay of one timer, in ms: Windows takes up to 1,000,000, Wine's timer no more
// than 65,535. A longer wait between two events is waited out in several timers.
const uint32_t kLongestDelay = 65535;
const uint8_t kControlChange = 0xB0;
const uint8_t kMainVolume = 7;
const uint8_t kNoteOff = 0x80;
const uint8_t kExclusive = 0xF0;
const uint8_t kMeta = 0xFF;
const uint32_t kSlowestTempo = 5000000;  // us per quarter note, exclusive
const uint32_t kFastestTempo = 50000;
const char* const kCaption = "MIDIファイル再生";
const char* const kCannotDecode = "ファイルの解読に失敗しました。";
const char* const kCannotPlay = "再生に失敗しました。";

// Timer callbacks find their player through a ticket, never through a pointer: every armed
// timer carries a new ticket, and a player files only the ticket of its waiting timer. A
// callback whose ticket is not filed (its timer was killed after it had fired, or its player
// has gone) does nothing. Timer ids cannot serve: the platform gives an id again once its
// timer has fired.
//
// The lock is held for the whole of every callback and of every start and stop, so neither
// thread sees the other's work half done; it is never held while a message box is shown.
struct Timers {
    std::mutex lock;
    std::map<uintptr_t, HMIDIPlayer*> players;  // ticket -> player, not owned
    uintptr_t nextTicket = 1;
};

Timers& timers()
{
    static Timers* shared = new Timers;  // never destroyed: a late callback may still look
    return *shared;
}

}  // namespace

HMIDIPlayer::HMIDIPlayer(HContainer* parent, uint32_t id, const std::string& text)
    : HComponent(text, id)
{
    setClassName("HMIDIPlayer");
    setComponentType("MIDI");
    setVisible(false);
    setFocusable(false);
    setEnabled(false);
    m_file.setPath(text);
    if (parent != nullptr) {
        parent->add(this);
    }
}

HMIDIPlayer::~HMIDIPlayer()
{
    dispose();
}

void HMIDIPlayer::dispose()
{
    stop();
    HComponent::dispose();
}

void HMIDIPlayer::setText(const std::string& text)
{
    HComponent::setText(text);
    m_file.setPath(text);
}

void HMIDIPlayer::setUserData(intptr_t value)
{
    HComponent::setUserData(value);
    if (value == 0) {
        stop();
        play();
    } else if (value == 1) {
        stop();
    }
}

bool HMIDIPlayer::isPlaying() const
{
    std::lock_guard<std::mutex> guard(timers().lock);
    return m_state.getHandle() != nullptr;
}

void HMIDIPlayer::play()
{
    HLOG_START("midi play");
    const char* failure;
    {
        std::lock_guard<std::mutex> guard(timers().lock);
        failure = startPlayback();
    }
    if (failure != nullptr) {
        HWND owner = getParent() != nullptr ? getParent()->getHandle() : nullptr;
        MessageBoxA(owner, failure, kCaption, MB_OK | MB_ICONEXCLAMATION);
    }
    HLOG_END("midi play");
}

const char* HMIDIPlayer::startPlayback()
{
    if (m_state.getHandle() != nullptr || m_state.getTimerId() != 0) {
        stopPlayback();
    }
    if (m_file.isEmpty() || !m_file.exists()) {
        return nullptr;
    }
    debug("file:%s", m_file.getFullPath().c_str());
    m_source.clear();
    m_source.setFile(m_file);
    if (!m_source.load()) {
        return kCannotDecode;
    }
    m_state.reset();
    m_state.setVolumePending(true);
    if (m_source.getDivision() > 0) {
        m_state.setDivision(static_cast<uint32_t>(m_source.getDivision()));
        debug("baseTime=%u", m_state.getDivision());
    }
    m_source.buildPlayList(&m_state, HMIDISource::ALL_TRACKS);

    HMIDISystem& system = HMIDISystem::get();
    uint32_t period = m_state.getTimerPeriod();
    system.beginPeriod(period);
    uint32_t result = system.openOutput(m_state.getHandleAddress());
    if (result != HMIDISystem::RESULT_OK || m_state.getHandle() == nullptr) {
        HLOG_INFO("midiOutOpen error");
        debug("midiOutOpen=%d", static_cast<int>(result));
        system.endPeriod(period);
        m_state.setHandle(nullptr);
        return kCannotPlay;
    }
    system.resetOutput(m_state.getHandle());
    debug("handle=%s", HText::address(m_state.getHandle()).c_str());

    m_current = 0;
    m_scheduled = 0;
    m_remaining = 0;
    if (!armTimer(std::max(period, kStartDelay))) {
        system.endPeriod(period);
        system.closeOutput(m_state.getHandle());
        m_state.setHandle(nullptr);
        return kCannotPlay;
    }
    debug("timer id=%X", m_state.getTimerId());
    return nullptr;
}

void HMIDIPlayer::stop()
{
    std::lock_guard<std::mutex> guard(timers().lock);
    stopPlayback();
}

void HMIDIPlayer::stopPlayback()
{
    HLOG_START("midi stop");
    HMIDISystem& system = HMIDISystem::get();
    if (m_state.getTimerId() != 0) {
        // The timer whose callback is running (the end of the list) has fired already and
        // is not killed; only a waiting one is.
        if (m_ticket != 0) {
            system.killTimer(m_state.getTimerId());
            forgetTimer();
        }
        m_state.setTimerId(0);
        system.endPeriod(m_state.getTimerPeriod());
    }
    HMIDISystem::Output output = m_state.getHandle();
    if (output != nullptr) {
        for (uint32_t channel = 0; channel < HMIDIPlayState::CHANNELS; ++channel) {
            for (uint32_t note = 0; note < 128; ++note) {
                system.sendShortMessage(output, (kNoteOff | channel) | note << 8);
            }
        }
        system.closeOutput(output);
        m_state.setHandle(nullptr);
    }
    HLOG_END("midi stop");
}

// Arms the one-shot timer for the next wait; on success it is the player's waiting timer.
bool HMIDIPlayer::armTimer(uint32_t delay)
{
    Timers& shared = timers();
    uintptr_t ticket = shared.nextTicket++;
    uint32_t id = HMIDISystem::get().setTimer(delay, m_state.getTimerPeriod(), timerCallback,
                                              ticket);
    if (id == 0) {
        return false;
    }
    forgetTimer();
    shared.players[ticket] = this;
    m_ticket = ticket;
    m_state.setTimerId(id);
    return true;
}

// Arms the timer for a wait before the event at the current index, or for its first part when
// it is longer than one timer takes; false (and logged) when no timer could be made.
bool HMIDIPlayer::wait(uint32_t delay)
{
    uint32_t part = std::min(delay, kLongestDelay);
    if (!armTimer(part)) {
        HLOG_INFO("timer error");
        debug("timer idx=%u tms=%u", m_current, delay);
        m_remaining = 0;
        return false;
    }
    m_remaining = delay - part;
    return true;
}

void HMIDIPlayer::forgetTimer()
{
    if (m_ticket != 0) {
        timers().players.erase(m_ticket);
        m_ticket = 0;
    }
}

void HMIDIPlayer::timerCallback(uint32_t, uintptr_t ticket)
{
    Timers& shared = timers();
    std::lock_guard<std::mutex> guard(shared.lock);
    auto found = shared.players.find(ticket);
    if (found == shared.players.end()) {
        return;  // killed too late, or its player has stopped or gone
    }
    HMIDIPlayer* player = found->second;
    player->forgetTimer();
    player->onTimer();
}

void HMIDIPlayer::onTimer()
{
    HMIDISystem::Output output = m_state.getHandle();
    if (output == nullptr || m_state.getTimerId() == 0) {
        debug("return %s %X", HText::address(output).c_str(), m_state.getTimerId());
        return;
    }
    if (m_state.isVolumePending()) {
        for (int channel = 0; channel < HMIDIPlayState::CHANNELS; ++channel) {
            uint32_t volume = static_cast<uint32_t>(m_state.getVolume(channel)
                                                    * m_state.getMasterVolume());
            send((kControlChange | channel) | kMainVolume << 8 | volume << 16);
        }
        m_state.setVolumePending(false);
    }
    if (m_remaining > 0) {
        // Only the next part of a long wait: the event comes after its last part.
        if (!wait(m_remaining)) {
            stopPlayback();
        }
        return;
    }
    uint32_t count = static_cast<uint32_t>(m_source.getPlayListCount());
    while (m_current < count) {
        HMIDIMessage* message = m_source.getPlayListItem(m_current);
        if (message->getTicks() > 0 && m_scheduled != m_current) {
            if (wait(message->delayMs())) {
                m_scheduled = m_current;
            } else {
                m_current = count;
            }
            break;
        }
        ++m_current;
        handle(message);
    }
    if (m_current >= count) {
        stopPlayback();
    }
}

void HMIDIPlayer::handle(HMIDIMessage* message)
{
    uint8_t status = message->getStatus();
    if ((status & 0xF0) == kControlChange && message->getData1() == kMainVolume) {
        int channel = status & 0x0F;
        debug("vol[%X]:%u", static_cast<unsigned>(channel), message->getData2());
        m_state.setVolume(channel, message->getData2());
        message->setData2(static_cast<uint8_t>(message->getData2() * m_state.getMasterVolume()));
        debug("vol[%X]:%u", static_cast<unsigned>(channel), message->getData2());
        send(message->getShortMessage());
    } else if (status == kMeta) {
        handleMeta(*message);
    } else if (status != kExclusive) {
        send(message->getShortMessage());
    }
}

void HMIDIPlayer::handleMeta(const HMIDIMessage& message)
{
    const uint8_t* data = message.getExtraData();
    uint32_t length = message.getExtraLength();
    switch (message.getData1()) {
    case 0x51:
        if (length >= 3) {
            uint32_t tempo = static_cast<uint32_t>(data[0]) << 16 | data[1] << 8 | data[2];
            debug("change tempo %u %X %X %X", tempo, data[0], data[1], data[2]);
            if (tempo > kFastestTempo && tempo < kSlowestTempo) {
                m_state.setTempo(tempo);
            }
        }
        break;
    case 0x58:
        if (length >= 2) {
            m_state.setNumerator(data[0]);
            m_state.setDenominator(data[1]);
            debug("change rhythm %u %u", data[0], data[1]);
        }
        break;
    case 0x59:
        if (length >= 2) {
            m_state.setSharpsFlats(data[0]);
            m_state.setMajorMinor(data[1]);
            debug("change sf:mi %u %u", data[0], data[1]);
        }
        break;
    default:
        break;
    }
}

void HMIDIPlayer::send(uint32_t message)
{
    uint32_t result = HMIDISystem::get().sendShortMessage(m_state.getHandle(), message);
    if (result != HMIDISystem::RESULT_OK) {
        HLOG_INFO("midiOutShortMsg error");
        debug("midiOutShortMsg=%d", static_cast<int>(result));
    }
}
