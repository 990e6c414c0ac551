#!/usr/bin/python3
"""Tests of the table generator: its method against rows computed by hand, its number
writing and layouts, and that the committed data/*.dat are exactly its output."""

import math
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_tables as gen  # noqa: E402

DATA_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")


def spring_class(item):
    return gen.spring_classes()[item]


def rows_for(item, f3_text):
    """The generator's rows of class `item` for the one force f3_text."""
    return gen.spring_rows(spring_class(item), [(float(f3_text), f3_text)])


def data_lines(number):
    with open(os.path.join(DATA_DIR, number + ".dat"), "rb") as stream:
        content = stream.read()
    assert content.endswith(b"\r\n")
    return content.decode("cp1251").split("\r\n")[:-1]


class HandComputedRows(unittest.TestCase):
    def test_single_strand_factor_class(self):
        # Item 0, d 0.20: tau3 = 0.3 * 2650 = 795 MPa.
        # D1 2.4: D 2.2, i 11, k = 43/40 + 0.615/11 = 1.13091,
        #   Fcap = pi 0.008 795 / (8 1.13091 2.2) = 1.0038 N >= 1.00.
        # D1 2.5: i 11.5, k 1.12491, Fcap = 0.9653 N < 1.00; index 12 allows 2.6.
        # c1 = 78500 0.2^4 / (8 2.2^3) = 1.47445; s3' = 1.00 / 1.474 = 0.67843.
        self.assertIn(("1.00", "0.20", "2.4", "1.474", "0.678"), rows_for(0, "1.00"))
        # d 1.70: tau3 = 0.3 * 2060 = 618. D1 11: D 9.3, i 5.4706, k 1.28018,
        #   Fcap = pi 4.913 618 / (8 1.28018 9.3) = 100.15 N; D1 11.5 gives 95.59 N.
        # c1 = 78500 1.7^4 / (8 9.3^3) = 101.89; s3' = 100 / 101.9 = 0.98135.
        self.assertIn(("100", "1.70", "11", "101.9", "0.981"), rows_for(0, "100"))

    def test_single_strand_pairs_without_a_row(self):
        diameters = [row[1] for row in rows_for(0, "1.00")]
        # d 0.22, tau3 792: the largest D1 the index allows (2.8, i 11.73) still
        # carries 1.14 N, so the index and not the stress would limit the spring.
        self.assertNotIn("0.22", diameters)
        # F3 2.24 with d 0.20: even D1 1.0 (i 4, k 1.40375) carries only 2.224 N.
        self.assertNotIn("0.20", [row[1] for row in rows_for(0, "2.24")])

    def test_single_strand_stress_class(self):
        # Item 2, tau3 = 560 MPa, d 5.5. D1 32: D 26.5, i 4.8182, k 1.32407,
        #   Fcap = pi 166.375 560 / (8 1.32407 26.5) = 1042.8 N; D1 34 gives 989.0 N.
        # c1 = 78500 5.5^4 / (8 26.5^3) = 482.498; s3' = 1000 / 482.5 = 2.0725.
        self.assertIn(("1000", "5.5", "32", "482.5", "2.07"), rows_for(2, "1000"))
        # The stress class does not look at the wire table: the 5.00 row of d 5.0
        # (i 4 carries pi 125 560 / (8 1.40375 20) = 979 N) gives nothing at 1000 N.
        self.assertNotIn("5.0", [row[1] for row in rows_for(2, "1000")])

    def test_three_strand_factor_class(self):
        # Item 8, cable d1 1.00: tau3 = 0.6 * 2450 = 1470 MPa (looked up by d1).
        # D1 9.0: D 8, i 8, Fcap = 1470 1^2 / (1.82 8) = 100.96 N; D1 9.5: 95.02 N.
        # The cable estimate c1' = 2.479 would give s3' = 100 / 2.479 = 40.3 (pitch 5 D).
        # Strand factor at i 8: 1.0; s3' = 0.6 8 - 1.00 = 3.80; c1 = 100 / 3.80 = 26.316.
        self.assertIn(("100", "1.00", "9.0", "26.32", "3.80"), rows_for(8, "100"))

    def test_three_strand_stress_class(self):
        # Item 9, tau3 = 1150 MPa, d1 2.80. D1 16: D 13.2, i 4.7143,
        #   Fcap = 1150 7.84 / (1.82 4.7143) = 1050.8 N; D1 17 (i 5.0714): 976.8 N.
        # Rounded index 4.715: strand factor 1.015. s3' = 0.6 13.2 - 2.8 1.015 = 5.078,
        # cut to 5.07 (never up past the pitch limit); c1 = 1000 / 5.07 = 197.24.
        self.assertIn(("1000", "2.80", "16", "197.2", "5.07"), rows_for(9, "1000"))

    def test_three_strand_free_pitch_stays_at_most_the_limit(self):
        # Free pitch d1 x strand factor + s3' over D = D1 - d1, every shipped row.
        for item in (8, 9, 10):
            for line in data_lines(spring_class(item).table):
                d1, outer, s3 = float(line[7:12]), float(line[13:17]), float(line[26:31])
                mean = outer - d1
                factor = gen.strand_factor(gen.program_index(mean / d1))
                ratio = (d1 * factor + s3) / mean
                self.assertLessEqual(ratio, gen.THREE_STRAND_PITCH_RATIO + 1e-12, line)
                self.assertGreater(ratio, 0.59, line)


class ProgramStrengthCheck(unittest.TestCase):
    def test_index_rounds_as_the_program_rounds_it(self):
        self.assertAlmostEqual(gen.program_index(5.437), 5.435, places=12)
        self.assertAlmostEqual(gen.program_index(5.438), 5.44, places=12)
        self.assertAlmostEqual(gen.program_index(6.6666667), 6.665, places=12)
        self.assertEqual(gen.program_index(0.001), 0.5)

    def test_no_shipped_row_fails_the_strength_check_at_the_lower_strength(self):
        # The program's check: i rounded, tau = 8 k F3 D / (pi d^3) (three-strand:
        # 1.82 F3 i / d1^2) must not exceed tau3 computed with the lower Rm.
        for spring_class in gen.spring_classes():
            for line in data_lines(spring_class.table):
                f3, d, outer = float(line[0:6]), float(line[7:12]), float(line[13:17])
                tau3 = gen.tau3_of(spring_class, line[7:12].strip())
                index = gen.program_index((outer - d) / d)
                if spring_class.three_strand:
                    tau = 1.82 * f3 * index / d ** 2
                else:
                    tau = 8 * gen.wahl_factor(index) * f3 * (outer - d) / (math.pi * d ** 3)
                self.assertLessEqual(tau, tau3, spring_class.table + ": " + line)


class NumberWriting(unittest.TestCase):
    def test_significant_digits_fit_the_field(self):
        self.assertEqual(gen.sig_text(101.89, 4, 7), "101.9")
        self.assertEqual(gen.sig_text(10732.4, 4, 7), "10730")
        self.assertEqual(gen.sig_text(0.98135, 3, 5), "0.981")
        self.assertEqual(gen.sig_text(0.06912, 3, 5), ".0691")
        self.assertEqual(gen.sig_text(2.0725, 3, 5), "2.07")
        self.assertEqual(gen.sig_text(0.5125, 3, 5), "0.513")  # half away from zero
        self.assertEqual(gen.sig_text(1.0, 3, 5), "1.00")
        self.assertEqual(gen.sig_text(0.0001234, 4, 8), ".0001234")
        self.assertEqual(gen.sig_text(1234567.0, 3, 6), "1.23E6")
        with self.assertRaises(ValueError):
            gen.sig_text(0.00691, 3, 5)

    def test_series_are_written_as_the_standards_write_them(self):
        forces = [text for _, text in gen.r40_series(0.95, 1100)]
        self.assertEqual(forces[:3], ["0.950", "1.00", "1.06"])
        self.assertIn("10.6", forces)
        self.assertEqual(forces[-3:], ["950", "1000", "1060"])
        sizes = [text for _, text in gen.RA40]
        self.assertEqual(sizes[:3], ["1.0", "1.05", "1.1"])
        self.assertIn("10.5", sizes)
        self.assertIn("950", sizes)

    def test_fields_land_in_their_columns(self):
        line = gen.spring_line(("100", "1.70", "11", "101.9", "0.981"))
        self.assertEqual(line, "   100  1.70   11   101.9 0.981")
        self.assertEqual(line[13:18], "  11 ")  # columns 14-18: column 18 blank
        with self.assertRaises(ValueError):
            gen.spring_line(("1000000", "1.70", "11", "101.9", "0.981"))


class ShippedTables(unittest.TestCase):
    def test_committed_files_are_the_generator_output(self):
        for number, content in gen.build_tables().items():
            with open(os.path.join(DATA_DIR, number + ".dat"), "rb") as stream:
                self.assertEqual(stream.read(), content, number + ".dat is out of date")
        with open(gen.ESTIMATES_INC, encoding="ascii") as stream:
            self.assertEqual(stream.read(), gen.estimates_inc(gen.build_tables()),
                             "src/tables/shipped_estimates.inc is out of date")

    def test_classification_rows_read_back(self):
        lines = data_lines("13764")
        self.assertEqual(len(lines), 11)
        item0 = lines[0]
        self.assertEqual(item0[7:11].strip(), "1.00")
        self.assertEqual(item0[12:18].strip(), "850")
        self.assertEqual(item0[19:24].strip(), "0.2")
        self.assertEqual(item0[25:29].strip(), "5.0")
        self.assertEqual(item0[30:73], "Проволока класса I по ГОСТ 9389-75".ljust(43))
        self.assertEqual(item0[74:79], "13766")
        self.assertEqual(float(item0[80:84]), 0.3)
        item3 = lines[3]
        self.assertEqual((item3[7:11].strip(), item3[12:18].strip()), ("2800", "180000"))
        self.assertEqual(item3[30:73], "Сталь горячекатаная круглая по ГОСТ 2590-71")
        for item, line in enumerate(lines):
            self.assertEqual(line[74:79], str(13766 + item))
            self.assertEqual([line[c - 1] for c in (12, 19, 25, 30, 74, 80)], [" "] * 6)
        self.assertEqual([float(line[80:84]) for line in lines],
                         [0.3, 0.3, 560, 480, 0.5, 0.5, 960, 800, 0.6, 1150, 1000])

    def test_spring_tables_are_large_enough(self):
        for number in range(13766, 13777):
            rows = data_lines(str(number))
            self.assertGreaterEqual(len(rows), 100, number)


if __name__ == "__main__":
    unittest.main()
