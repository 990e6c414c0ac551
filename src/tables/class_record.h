// The eleven items of the classification of GOST 13764-86 (the class page's list):
// what the classification itself fixes for each item, in one table, and the record of
// an item as the class selection reads it from its row of the classification table.
#pragma once

#include <array>
#include <cstddef>

namespace torvelix::tables {

// Endurance class of an item: class I (1*10^7 cycles), II (1*10^5), III (2*10^3).
enum class ClassGroup { I, II, III };

// What the TauFactor of the item's row (columns 81-84) is: a factor applied to the
// wire's tensile strength Rm from the wire table, or the highest shear stress tau3
// itself in MPa.
enum class Tau3Basis { FactorOfRm, Stress };

// Which wire of GOST 9389-75 gives Rm to an item whose tau3 is a factor of it: class I
// wire, or class II or IIA wire as the user chooses on the class page (the item then
// shows that choice instead of the blank standard of its row). None for a stress item.
enum class RmWire { None, ClassI, ClassIIOrIIA };

// What the classification fixes for an item. The item's spring table (columns 75-79)
// and its TauFactor (columns 81-84) are not fixed here: the class selection reads them
// from the item's row of the classification table (class_selection.h).
struct ClassRecord {
    ClassGroup group;
    const char* LN1; // endurance shown as LN1 * 10 ^ LN2 cycles
    const char* LN2;
    Tau3Basis tau3Basis;
    RmWire rmWire;
    bool threeStrand; // the item's spring table lists three-strand springs (cable d1)

    // The II / IIA wire-class choice takes the place of the blank standard.
    constexpr bool wireClassChoice() const { return rmWire == RmWire::ClassIIOrIIA; }
};

// Items 0 .. 10 in the order of the class page: four categories of class I and four of
// class II with single-strand springs, three categories of class III with three-strand
// springs. Categories 1 and 2 of classes I and II and category 1 of class III are wound
// from GOST 9389-75 wire, and their tau3 is a share of its strength; every other
// category gives tau3 as a stress.
inline constexpr std::array<ClassRecord, 11> kClassRecords = {{
    {ClassGroup::I, "1*10", "7", Tau3Basis::FactorOfRm, RmWire::ClassI, false},        // 0
    {ClassGroup::I, "1*10", "7", Tau3Basis::FactorOfRm, RmWire::ClassIIOrIIA, false},  // 1
    {ClassGroup::I, "1*10", "7", Tau3Basis::Stress, RmWire::None, false},              // 2
    {ClassGroup::I, "1*10", "7", Tau3Basis::Stress, RmWire::None, false},              // 3
    {ClassGroup::II, "1*10", "5", Tau3Basis::FactorOfRm, RmWire::ClassI, false},       // 4
    {ClassGroup::II, "1*10", "5", Tau3Basis::FactorOfRm, RmWire::ClassIIOrIIA, false}, // 5
    {ClassGroup::II, "1*10", "5", Tau3Basis::Stress, RmWire::None, false},             // 6
    {ClassGroup::II, "1*10", "5", Tau3Basis::Stress, RmWire::None, false},             // 7
    {ClassGroup::III, "2*10", "3", Tau3Basis::FactorOfRm, RmWire::ClassI, true},       // 8
    {ClassGroup::III, "2*10", "3", Tau3Basis::Stress, RmWire::None, true},             // 9
    {ClassGroup::III, "2*10", "3", Tau3Basis::Stress, RmWire::None, true},             // 10
}};

// A factor item names its wire, a stress item none.
static_assert([] {
    for (const ClassRecord& r : kClassRecords) {
        if ((r.tau3Basis == Tau3Basis::FactorOfRm) != (r.rmWire != RmWire::None)) {
            return false;
        }
    }
    return true;
}());

// The first item of class III: the kind rule selects it for a three-strand spring.
inline constexpr int kFirstThreeStrandItem = 8;

// The record of item 0 .. 10; none for any other index (no item selected).
constexpr const ClassRecord* classRecordOf(int item) {
    if (item < 0 || item >= static_cast<int>(kClassRecords.size())) {
        return nullptr;
    }
    return &kClassRecords[static_cast<std::size_t>(item)];
}

// What the calculation assumes with no item selected: tau3 is TauFactor itself, no
// wire-class choice, single-strand lines. (The group is never taken from it.)
inline constexpr ClassRecord kNoItemRecord{ClassGroup::I,     "",           "",
                                           Tau3Basis::Stress, RmWire::None, false};

constexpr const ClassRecord& classRecordOrNone(int item) {
    const ClassRecord* record = classRecordOf(item);
    return record ? *record : kNoItemRecord;
}

} // namespace torvelix::tables
