// The fixed-column layouts of the thirteen standard tables, each column span named
// once: every reader of a table line (the field readers, the class selection, the
// candidate list, the report and the table checker) takes its columns from here.
// tools/gen_tables.py writes the tables with the same spans; its tests read this file
// and compare, so keep one span per line in the form `kName{column, width}`.
#pragma once

#include <array>

namespace torvelix::tables {

// A field of a table line: 1-based first column and width in characters (bytes).
struct ColumnSpan {
    int column;
    int width;
};

// The two tables read by number; the spring tables are named by the classification.
inline constexpr const char* kWireTableNumber = "9389";
inline constexpr const char* kClassTableNumber = "13764";

// Wire table (9389): line 1 is a heading, every following line one wire diameter.
namespace wire_layout {
inline constexpr int kHeadingLines = 1;
// Fields 1 .. 25 in order; field 1 is the diameter key.
inline constexpr std::array<ColumnSpan, 25> kFields = {{
    {1, 5},   // 1 wire diameter d, mm (key)
    {7, 5},   // 2 tensile strength of class I wire, lower value, MPa
    {13, 5},  // 3 tensile strength of class I wire, upper value, MPa
    {19, 4},  // 4
    {24, 4},  // 5
    {29, 6},  // 6 tensile strength of class II wire, lower value, MPa
    {36, 6},  // 7 tensile strength of class II wire, upper value, MPa
    {43, 5},  // 8
    {49, 5},  // 9
    {55, 7},  // 10 tensile strength of class IIA wire, lower value, MPa
    {63, 7},  // 11 tensile strength of class IIA wire, upper value, MPa
    {71, 6},  // 12
    {78, 6},  // 13
    {85, 7},  // 14
    {93, 7},  // 15
    {101, 6}, // 16
    {108, 6}, // 17
    {115, 4}, // 18
    {120, 5}, // 19
    {126, 6}, // 20
    {133, 6}, // 21
    {140, 4}, // 22
    {145, 5}, // 23
    {151, 6}, // 24
    {158, 6}, // 25
}};
// Field numbers of the diameter key and of the lower strength of each wire class (the
// upper strength is the next field).
inline constexpr int kDiameterField = 1;
inline constexpr int kClassILowerField = 2;
inline constexpr int kClassIILowerField = 6;
inline constexpr int kClassIIALowerField = 10;
} // namespace wire_layout

// Classification table (13764): no heading, line k + 1 describes classification item k.
namespace class_layout {
inline constexpr ColumnSpan kLowestF3{8, 4};        // N, text
inline constexpr ColumnSpan kHighestF3{13, 6};      // N, text
inline constexpr ColumnSpan kSmallestD{20, 5};      // mm, text
inline constexpr ColumnSpan kLargestD{26, 4};       // mm, text
inline constexpr ColumnSpan kBlankStandard{31, 43}; // text as read
inline constexpr ColumnSpan kSpringTable{75, 5};    // table number, text as read
inline constexpr ColumnSpan kTauFactor{81, 4};      // factor of Rm or tau3 in MPa
} // namespace class_layout

// Spring tables (13766 .. 13776): no heading, line k is standard spring number k. The
// three-strand tables (13774 .. 13776) share the layout; their field 2 is the cable
// diameter d1.
namespace spring_layout {
inline constexpr ColumnSpan kF3{1, 6};              // field 1: force at maximum deflection, N
inline constexpr ColumnSpan kD{8, 5};               // field 2: wire (or cable) diameter, mm
inline constexpr ColumnSpan kOuterD{14, 4};         // field 3: outer diameter D1, mm
inline constexpr ColumnSpan kCoilStiffness{19, 7};  // field 4: c1, N/mm
inline constexpr ColumnSpan kCoilDeflection{27, 5}; // field 5: s3', mm
// The diameter filter of the preliminary selection converts the outer diameter over
// five columns, so column 18 must be blank or part of the number.
inline constexpr ColumnSpan kOuterDFilter{14, 5};
// Fields 1 .. 5 in the order SpringRowField numbers them.
inline constexpr std::array<ColumnSpan, 5> kFields = {kF3, kD, kOuterD, kCoilStiffness,
                                                      kCoilDeflection};
} // namespace spring_layout

} // namespace torvelix::tables
