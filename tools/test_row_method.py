#!/usr/bin/python3
"""The program's row method (C++, printed by the print_spring_row test helper) against
the generator's for the same wire and outer diameter in every class: the unrounded
force the generator chooses a row's F3 against, and c1 and s3' to a table's digits.
Run by ctest, which names the helper in TORVELIX_PRINT_SPRING_ROW."""

import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_tables as gen  # noqa: E402

DATA_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")
HELPER = os.environ.get("TORVELIX_PRINT_SPRING_ROW")

# Indexes (D1 - d) / d the pairs are taken at: both ends of the method's range and
# sizes between that no table row has.
INDEXES = [4.0, 5.37, 8.8, 11.95, 12.0]


def program_rows(queries):
    """The helper's answer to each (item, d text, D1 text): (F3, c1, s3') or the
    error text."""
    text = "".join("%d %s %s\n" % query for query in queries)
    result = subprocess.run([HELPER, DATA_DIR], input=text, capture_output=True, text=True,
                            check=True)
    answers = []
    for line in result.stdout.splitlines():
        if line.startswith("error: "):
            answers.append(line[len("error: "):])
        else:
            answers.append(tuple(float(field) for field in line.split()))
    assert len(answers) == len(queries), result.stdout
    return answers


def pairs_of(spring_class):
    """(d text, D1 text) of every fourth diameter of the class at each of INDEXES."""
    pairs = []
    for d_text in spring_class.diameters[::4]:
        for index in INDEXES:
            pairs.append((d_text, repr(float(d_text) * (1 + index))))
    return pairs


@unittest.skipUnless(HELPER, "TORVELIX_PRINT_SPRING_ROW names no helper")
class RowMethodAgreesWithTheGenerator(unittest.TestCase):
    def test_every_class_at_sizes_in_and_outside_the_tables(self):
        for spring_class in gen.spring_classes():
            pairs = pairs_of(spring_class)
            answers = program_rows([(spring_class.item, d, outer) for d, outer in pairs])
            for (d_text, outer_text), answer in zip(pairs, answers):
                where = "item %d, d %s, D1 %s" % (spring_class.item, d_text, outer_text)
                self.assertIsInstance(answer, tuple, where + ": " + str(answer))
                f3, c1, s3 = answer
                outer = float(outer_text)
                force = gen.row_force(spring_class, d_text, outer)
                # The program may lower the force by a few units in the last place.
                self.assertLessEqual(f3, force, where)
                self.assertAlmostEqual(f3 / force, 1.0, delta=1e-13, msg=where)
                c1_text, s3_text = gen.row_texts(spring_class, float(d_text), outer, force)
                self.assertEqual(gen.sig_text(c1, 4, 7), c1_text, where)
                self.assertEqual(gen.sig_text(s3, 3, 5), s3_text, where)

    def test_shipped_rows_lie_under_the_capacity_of_their_sizes(self):
        # A row's F3 is the R40 force its D1 was chosen for: the force the program
        # computes for its d and D1 carries it; a single-strand c1 depends on d and
        # D1 alone, so the program's c1 is the row's.
        for spring_class in gen.spring_classes():
            with open(os.path.join(DATA_DIR, spring_class.table + ".dat"), "rb") as stream:
                lines = stream.read().decode("cp1251").split("\r\n")[:-1]
            sample = lines[::25]
            answers = program_rows([(spring_class.item, line[7:12].strip(),
                                     line[13:17].strip()) for line in sample])
            for line, answer in zip(sample, answers):
                self.assertIsInstance(answer, tuple, line + ": " + str(answer))
                self.assertGreaterEqual(answer[0], float(line[0:6]), line)
                if not spring_class.three_strand:
                    self.assertEqual(gen.sig_text(answer[1], 4, 7), line[18:25].strip(), line)

    def test_inputs_the_method_does_not_cover(self):
        answers = program_rows([(0, "0", "2.4"), (0, "0.20", "0.20"), (0, "0.20", "0.9"),
                                (0, "0.20", "2.7"), (0, "0.21", "2.4"), (9, "2.80", "2.0"),
                                (2, "-5.5", "32")])
        self.assertEqual(answers[0], "Диаметр проволоки должен быть больше нуля (задан 0 мм).")
        self.assertEqual(answers[1], "Наружный диаметр пружины 0.2 мм должен быть больше "
                                     "диаметра проволоки 0.2 мм.")
        self.assertTrue(answers[2].startswith("Индекс пружины (D1 - d) / d = 3.5 выходит "
                                              "за диапазон 4...12"), answers[2])
        self.assertTrue(answers[3].startswith("Индекс пружины (D1 - d) / d = 12.5 "), answers[3])
        self.assertTrue(answers[4].startswith("Диаметра 0.21 мм нет в таблице проволоки"),
                        answers[4])
        self.assertEqual(answers[5], "Наружный диаметр пружины 2 мм должен быть больше "
                                     "диаметра троса 2.8 мм.")
        self.assertIn("больше нуля", answers[6])


if __name__ == "__main__":
    unittest.main()
