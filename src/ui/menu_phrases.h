// The menus' words in both languages: the screens' labels, buttons and list values, the join
// list's rows and silence lines, and the message boxes.
#pragma once
#include <string>
#include <vector>

#include "base/phrase.h"

// The options screen.
// "Чувствительность мыши"
inline constexpr Phrase kMouseSensitivity{
    "\xD7\xF3\xE2\xF1\xF2\xE2\xE8\xF2\xE5\xEB\xFC\xED\xEE\xF1\xF2\xFC \xEC\xFB\xF8\xE8",
    "Mouse sensitivity"};
// "Разрешение"
inline constexpr Phrase kResolution{"\xD0\xE0\xE7\xF0\xE5\xF8\xE5\xED\xE8\xE5", "Resolution"};
// "Детализация"
inline constexpr Phrase kDetail{"\xC4\xE5\xF2\xE0\xEB\xE8\xE7\xE0\xF6\xE8\xFF", "Detalisation"};
// "Низкая"
inline constexpr Phrase kDetailLow{"\xCD\xE8\xE7\xEA\xE0\xFF", "Low"};
// "Средняя"
inline constexpr Phrase kDetailMedium{"\xD1\xF0\xE5\xE4\xED\xFF\xFF", "Medium"};
// "Высокая"
inline constexpr Phrase kDetailHigh{"\xC2\xFB\xF1\xEE\xEA\xE0\xFF", "High"};
// "Громкость звука"
inline constexpr Phrase kSoundVolume{"\xC3\xF0\xEE\xEC\xEA\xEE\xF1\xF2\xFC \xE7\xE2\xF3\xEA\xE0",
                                     "Sound volume"};
// "Окно"
inline constexpr Phrase kWindow{"\xCE\xEA\xED\xEE", "Window"};
// "Выкл"
inline constexpr Phrase kOff{"\xC2\xFB\xEA\xEB", "Off"};
// "Предел кадров"
inline constexpr Phrase kFrameLimit{"\xCF\xF0\xE5\xE4\xE5\xEB \xEA\xE0\xE4\xF0\xEE\xE2",
                                    "Frame limit"};
// "Синхр"
inline constexpr Phrase kVsync{"\xD1\xE8\xED\xF5\xF0", "Vsync"};
// "Русский": the language list names each language in its own words.
inline constexpr const char* kRussianInRussian = "\xD0\xF3\xF1\xF1\xEA\xE8\xE9";
// "Язык"
inline constexpr Phrase kLanguage{"\xDF\xE7\xFB\xEA", "Language"};
// "Авто"
inline constexpr Phrase kLanguageOfEnvironment{"\xC0\xE2\xF2\xEE", "Auto"};
// "ОК"
inline constexpr Phrase kOk{"\xCE\xCA", "Ok"};
// "Отмена"
inline constexpr Phrase kCancel{"\xCE\xF2\xEC\xE5\xED\xE0", "Cancel"};

// The join and new-game screens.
// "Игрок"
inline constexpr Phrase kPlayerName{"\xC8\xE3\xF0\xEE\xEA", "Player name"};
// "IP сервера"
inline constexpr Phrase kServerIp{"IP \xF1\xE5\xF0\xE2\xE5\xF0\xE0", "Server ip"};
// "Цвет"
inline constexpr Phrase kTeam{"\xD6\xE2\xE5\xF2", "Team"};
// "Синие"
inline constexpr Phrase kBlue{"\xD1\xE8\xED\xE8\xE5", "Blue"};
// "Красные"
inline constexpr Phrase kRed{"\xCA\xF0\xE0\xF1\xED\xFB\xE5", "Red"};
// "Войти"
inline constexpr Phrase kConnect{"\xC2\xEE\xE9\xF2\xE8", "Connect"};
// "Сервер"
inline constexpr Phrase kServerName{"\xD1\xE5\xF0\xE2\xE5\xF0", "Server name"};
// "Фраги"
inline constexpr Phrase kFragLimit{"\xD4\xF0\xE0\xE3\xE8", "Frag limit"};
// "Боты"
inline constexpr Phrase kBots{"\xC1\xEE\xF2\xFB", "Bots"};
// "Сила ботов"
inline constexpr Phrase kBotSkill{"\xD1\xE8\xEB\xE0 \xE1\xEE\xF2\xEE\xE2", "Bot skill"};
// "Лёгкий"
inline constexpr Phrase kSkillEasy{"\xCB\xB8\xE3\xEA\xE8\xE9", "Easy"};
// "Средний"
inline constexpr Phrase kSkillNormal{"\xD1\xF0\xE5\xE4\xED\xE8\xE9", "Normal"};
// "Сложный"
inline constexpr Phrase kSkillHard{"\xD1\xEB\xEE\xE6\xED\xFB\xE9", "Hard"};
// "Режим"
inline constexpr Phrase kGameType{"\xD0\xE5\xE6\xE8\xEC", "Gametype"};
// "Начать игру"
inline constexpr Phrase kStartGame{"\xCD\xE0\xF7\xE0\xF2\xFC \xE8\xE3\xF0\xF3", "Start game"};

// A row of the join list: "name - map - type - players/limit", then these.
// " заполнена"
inline constexpr Phrase kRowFull{" \xE7\xE0\xEF\xEE\xEB\xED\xE5\xED\xE0", " full"};
// " (ботов: {})"
inline constexpr Phrase kRowBots{" (\xE1\xEE\xF2\xEE\xE2: {})", " ({} bots)"};

// Why the join list is empty, a line at a time (0x96: the dash in Windows-1251).
// "Порт UDP 7051 занят: на этой машине"
inline constexpr Phrase kPortTaken1{
    "\xCF\xEE\xF0\xF2 UDP 7051 \xE7\xE0\xED\xFF\xF2: \xED\xE0 \xFD\xF2\xEE\xE9 "
    "\xEC\xE0\xF8\xE8\xED\xE5",
    "UDP port 7051 is taken: another copy of the game"};
// "запущена другая копия игры, и эта не слышит игр."
inline constexpr Phrase kPortTaken2{
    "\xE7\xE0\xEF\xF3\xF9\xE5\xED\xE0 \xE4\xF0\xF3\xE3\xE0\xFF \xEA\xEE\xEF\xE8\xFF "
    "\xE8\xE3\xF0\xFB, \xE8 \xFD\xF2\xE0 \xED\xE5 \xF1\xEB\xFB\xF8\xE8\xF2 \xE8\xE3\xF0.",
    "runs on this machine, so this one hears no games."};
// "Закройте ее, чтобы видеть игры здесь."
inline constexpr Phrase kPortTaken3{
    "\xC7\xE0\xEA\xF0\xEE\xE9\xF2\xE5 \xE5\xE5, \xF7\xF2\xEE\xE1\xFB \xE2\xE8\xE4\xE5\xF2\xFC "
    "\xE8\xE3\xF0\xFB \xE7\xE4\xE5\xF1\xFC.",
    "Close it to see and join the games here."};
// "Ни один сетевой интерфейс здесь не вещает,"
inline constexpr Phrase kNoBroadcast1{
    "\xCD\xE8 \xEE\xE4\xE8\xED \xF1\xE5\xF2\xE5\xE2\xEE\xE9 \xE8\xED\xF2\xE5\xF0\xF4\xE5\xE9\xF1 "
    "\xE7\xE4\xE5\xF1\xFC \xED\xE5 \xE2\xE5\xF9\xE0\xE5\xF2,",
    "No network interface here can broadcast,"};
// "поэтому игр в сети не слышно."
inline constexpr Phrase kNoBroadcast2{
    "\xEF\xEE\xFD\xF2\xEE\xEC\xF3 \xE8\xE3\xF0 \xE2 \xF1\xE5\xF2\xE8 \xED\xE5 "
    "\xF1\xEB\xFB\xF8\xED\xEE.",
    "so no game on a network can be heard."};
// "Подключитесь к сети или введите адрес сервера."
inline constexpr Phrase kNoBroadcast3{
    "\xCF\xEE\xE4\xEA\xEB\xFE\xF7\xE8\xF2\xE5\xF1\xFC \xEA \xF1\xE5\xF2\xE8 \xE8\xEB\xE8 "
    "\xE2\xE2\xE5\xE4\xE8\xF2\xE5 \xE0\xE4\xF0\xE5\xF1 \xF1\xE5\xF0\xE2\xE5\xF0\xE0.",
    "Connect to a network, or type a server's address."};
// "Пока не слышно ни одной игры."
inline constexpr Phrase kNothingHeard1{
    "\xCF\xEE\xEA\xE0 \xED\xE5 \xF1\xEB\xFB\xF8\xED\xEE \xED\xE8 \xEE\xE4\xED\xEE\xE9 "
    "\xE8\xE3\xF0\xFB.",
    "No game heard yet."};
// "Игра в этой сети появится здесь за 2 с;"
inline constexpr Phrase kNothingHeard2{
    "\xC8\xE3\xF0\xE0 \xE2 \xFD\xF2\xEE\xE9 \xF1\xE5\xF2\xE8 \xEF\xEE\xFF\xE2\xE8\xF2\xF1\xFF "
    "\xE7\xE4\xE5\xF1\xFC \xE7\xE0 2 \xF1;",
    "A game on this network appears here within 2 s;"};
// "брандмауэр должен пропускать UDP 7050–7051."
inline constexpr Phrase kNothingHeard3{
    "\xE1\xF0\xE0\xED\xE4\xEC\xE0\xF3\xFD\xF0 \xE4\xEE\xEB\xE6\xE5\xED "
    "\xEF\xF0\xEE\xEF\xF3\xF1\xEA\xE0\xF2\xFC UDP 7050\x96"
    "7051.",
    "a firewall must allow UDP 7050\x96"
    "7051."};

// Message boxes.
// "Сервер не отвечает"
inline constexpr Phrase kServerSilent{
    "\xD1\xE5\xF0\xE2\xE5\xF0 \xED\xE5 \xEE\xF2\xE2\xE5\xF7\xE0\xE5\xF2",
    "Server does not respond"};
// "Карту не удалось загрузить"
inline constexpr Phrase kMapFailed{
    "\xCA\xE0\xF0\xF2\xF3 \xED\xE5 \xF3\xE4\xE0\xEB\xEE\xF1\xFC "
    "\xE7\xE0\xE3\xF0\xF3\xE7\xE8\xF2\xFC",
    "The map could not be loaded"};
// "Карта {} не получена с сервера"
inline constexpr Phrase kMapNotReceived{
    "\xCA\xE0\xF0\xF2\xE0 {} \xED\xE5 \xEF\xEE\xEB\xF3\xF7\xE5\xED\xE0 \xF1 "
    "\xF1\xE5\xF0\xE2\xE5\xF0\xE0",
    "Map {} not received from the server"};
// "Нет ни одной карты"
inline constexpr Phrase kNoMaps{"\xCD\xE5\xF2 \xED\xE8 \xEE\xE4\xED\xEE\xE9 \xEA\xE0\xF0\xF2\xFB",
                                "No map to play"};
// "В папке maps нет файлов .map"
inline constexpr Phrase kNoMapFiles{
    "\xC2 \xEF\xE0\xEF\xEA\xE5 maps \xED\xE5\xF2 \xF4\xE0\xE9\xEB\xEE\xE2 .map",
    "The maps folder has no .map files"};
// The new-game screen's notes.
// "Выберите карту и нажмите >>"
inline constexpr Phrase kChooseMap{
    "\xC2\xFB\xE1\xE5\xF0\xE8\xF2\xE5 \xEA\xE0\xF0\xF2\xF3 \xE8 "
    "\xED\xE0\xE6\xEC\xE8\xF2\xE5 >>",
    "Choose a map with >>"};
// "Карта {} не загрузилась и убрана из списка"
inline constexpr Phrase kMapLeftRotation{
    "\xCA\xE0\xF0\xF2\xE0 {} \xED\xE5 \xE7\xE0\xE3\xF0\xF3\xE7\xE8\xEB\xE0\xF1\xFC "
    "\xE8 \xF3\xE1\xF0\xE0\xED\xE0 \xE8\xE7 \xF1\xEF\xE8\xF1\xEA\xE0",
    "{} did not load and left the rotation"};
// "Неверный лимит фрагов"
inline constexpr Phrase kBadFragLimit{
    "\xCD\xE5\xE2\xE5\xF0\xED\xFB\xE9 \xEB\xE8\xEC\xE8\xF2 \xF4\xF0\xE0\xE3\xEE\xE2",
    "Wrong frag limit"};
// "Введите число от 0 (без лимита) до {}"
inline constexpr Phrase kFragLimitRange{
    "\xC2\xE2\xE5\xE4\xE8\xF2\xE5 \xF7\xE8\xF1\xEB\xEE \xEE\xF2 0 (\xE1\xE5\xE7 "
    "\xEB\xE8\xEC\xE8\xF2\xE0) \xE4\xEE {}",
    "Type a number from 0 (no limit) to {}"};
// "Эта игра заполнена."
inline constexpr Phrase kGameFull{
    "\xDD\xF2\xE0 \xE8\xE3\xF0\xE0 \xE7\xE0\xEF\xEE\xEB\xED\xE5\xED\xE0.", "This game is full."};
// "{}: занято мест {} из {}; выберите другую."
inline constexpr Phrase kPlacesTaken{
    "{}: \xE7\xE0\xED\xFF\xF2\xEE \xEC\xE5\xF1\xF2 {} \xE8\xE7 {}; "
    "\xE2\xFB\xE1\xE5\xF0\xE8\xF2\xE5 \xE4\xF0\xF3\xE3\xF3\xFE.",
    "{} has {} of {} places taken; pick another."};
// "Настройки не сохранены"
inline constexpr Phrase kSettingsNotSaved{
    "\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8 \xED\xE5 \xF1\xEE\xF5\xF0\xE0\xED\xE5\xED\xFB",
    "Settings not saved"};
// "Проверьте права на запись: "
inline constexpr Phrase kCheckWriteAccess{
    "\xCF\xF0\xEE\xE2\xE5\xF0\xFC\xF2\xE5 \xEF\xF0\xE0\xE2\xE0 \xED\xE0 \xE7\xE0\xEF\xE8\xF1\xFC: ",
    "Check the permission to write: "};

// The option lists' values are worded for the screen, while ApplyOptions takes the English words
// ("Off", "Vsync", "Low"...): the words of a list in `language`, and a shown value back in English.
// Values that are no words (sizes, rates) stay as they are.
std::vector<std::string> WordedOptions(const std::vector<std::string>& englishValues,
                                       Language language);
std::string EnglishOption(const std::string& shownValue, Language language);
