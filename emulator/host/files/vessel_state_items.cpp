#include "emulator/host/files/vessel_state_items.h"

#include "emulator/host/files/scenario_text.h"
#include "emulator/host/files/vessel_amount.h"

namespace emu {

namespace {

struct ItemShape {
    const char* key;
    StateItem item;
    size_t numbers;
    const char* holds;
};

const ItemShape shapes[] = {
    {"STATUS", StateItem::Status, 0, "Landed or Flying"},
    {"RPOS", StateItem::Rpos, 3, "three finite numbers"},
    {"RVEL", StateItem::Rvel, 3, "three finite numbers"},
    {"AROT", StateItem::Arot, 3, "three finite numbers"},
    {"VROT", StateItem::Vrot, 3, "three finite numbers"},
    {"SURF", StateItem::Surf, 3, "three finite numbers"},
    {"SIZE", StateItem::Size, 1, "one positive number, as a class file's Size"},
    {"MASS", StateItem::Mass, 1, "one positive number, as a class file's Mass"},
    {"PRPLEVEL", StateItem::PrpLevel, 0, "words TANK:LEVEL, a tank's number and a level from 0 to 1"},
};

/* A tank's number: a few digits, so that no count of tanks a vessel could
 * make is out of reach and none overflows. */
bool ReadTank(const std::string& word, std::size_t& tank)
{
    if (word.empty() || word.size() > 6 || word.find_first_not_of("0123456789") != std::string::npos)
        return false;
    tank = std::size_t(std::stoul(word));
    return true;
}

bool ReadTankLevels(const std::string& text, std::vector<TankLevel>& levels)
{
    std::vector<std::string> words = SplitWords(text);
    for (const std::string& word : words) {
        size_t colon = word.find(':');
        TankLevel t{};
        if (colon == std::string::npos || !ReadTank(word.substr(0, colon), t.tank) ||
            !ReadNumber(word.substr(colon + 1), t.level) || t.level < 0.0 || t.level > 1.0)
            return false;
        levels.push_back(t);
    }
    return !words.empty();
}

}  // namespace

StateItemRead ReadStateItem(const std::string& line, StateItemValue& value, std::string& why)
{
    size_t keyEnd = line.find_first_of(" \t");
    std::string key = line.substr(0, keyEnd);
    std::string rest = keyEnd == std::string::npos ? "" : line.substr(keyEnd);
    for (const ItemShape& shape : shapes) {
        if (key != shape.key)
            continue;
        value.item = shape.item;
        bool good;
        if (shape.item == StateItem::PrpLevel) {
            value.levels.clear();
            good = ReadTankLevels(rest, value.levels);
        } else if (shape.item == StateItem::Status) {
            std::vector<std::string> words = SplitWords(rest);
            good = words.size() == 1 && (words[0] == "Landed" || words[0] == "Flying");
            value.values[0] = good && words[0] == "Landed" ? 1 : 0;
        } else {
            good = ReadNumbers(rest, value.values, shape.numbers);
            bool amount = shape.item == StateItem::Size || shape.item == StateItem::Mass;
            good = good && (!amount || IsVesselAmount(value.values[0]));
        }
        if (!good)
            why = "item " + key + " must hold " + shape.holds;
        return good ? StateItemRead::Read : StateItemRead::Malformed;
    }
    return StateItemRead::NotAStateItem;
}

}  // namespace emu
