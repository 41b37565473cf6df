"""The dispatch generator on the rows where a slip would go unnoticed by the compiler."""
import io
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
AUTOMATION = os.path.join(HERE, "..", "..", "src", "automation")
sys.path.insert(0, AUTOMATION)
import generate_dispatch as gen  # noqa: E402

HEAD = "interface\tmember\tkind\tdispid\tresult\tparams\tparam_names\n"


def members(*rows):
    return gen.read_members(io.StringIO(HEAD + "".join(r + "\n" for r in rows)))


class BodyTest(unittest.TestCase):
    CASES = [
        # row, text the member's definition must hold
        ("Range\tGetAddress\tget\t236\tVT_BSTR\tVTS_VARIANT VTS_VARIANT VTS_I4\tA B C",
         ["CString Range::GetAddress(const VARIANT& A, const VARIANT& B, long C)",
          "params[] = VTS_VARIANT VTS_VARIANT VTS_I4;",
          "InvokeHelper(236, DISPATCH_PROPERTYGET, VT_BSTR, &result, params, &A, &B, C);"]),
        ("HPageBreak\tSetRefLocation\tputref\t1397\tVT_EMPTY\tVTS_DISPATCH\tnewValue",
         ["void HPageBreak::SetRefLocation(LPDISPATCH newValue)",
          "InvokeHelper(1397, DISPATCH_PROPERTYPUTREF, VT_EMPTY, nullptr, params, newValue);"]),
        ("AddIns\tGet_NewEnum\tget\t-4\tVT_UNKNOWN\t\t",
         ["LPUNKNOWN AddIns::Get_NewEnum()",
          "InvokeHelper(-4, DISPATCH_PROPERTYGET, VT_UNKNOWN, &result, nullptr);"]),
        ("Adjustments\tGetApplication\tget\t1610743808\tVT_DISPATCH\t\t",
         ["InvokeHelper(1610743808, DISPATCH_PROPERTYGET, VT_DISPATCH, &result, nullptr);"]),
        ("DocEvents\tBeforeRightClick\tmethod\t1534\tVT_EMPTY\tVTS_DISPATCH VTS_PBOOL\tTarget Cancel",
         ["(LPDISPATCH Target, VARIANT_BOOL* Cancel)", "DISPATCH_METHOD", "Target, Cancel);"]),
        ("Adjustments\tGetItem\tget\t0\tVT_R4\tVTS_I4\tinterface",
         ["float Adjustments::GetItem(long interface_)", "result, params, interface_);"]),
    ]

    def test_each_row_makes_one_invoke_with_its_facts(self):
        for row, expected in self.CASES:
            m = members(row)[0]
            text = gen.signature(m, True) + " {\n" + gen.body(m)
            self.assertEqual(text.count("InvokeHelper("), 1, row)
            for piece in expected:
                self.assertIn(piece, text, row)


class RejectTest(unittest.TestCase):
    CASES = [
        ("unknown kind", ["A\tM\tcall\t1\tVT_EMPTY\t\t"]),
        ("unknown result", ["A\tM\tget\t1\tVT_I8\t\t"]),
        ("unknown parameter code", ["A\tM\tmethod\t1\tVT_EMPTY\tVTS_I8\tx"]),
        ("names short", ["A\tM\tmethod\t1\tVT_EMPTY\tVTS_I4 VTS_I4\tx"]),
        ("put without value", ["A\tSetM\tput\t1\tVT_EMPTY\t\t"]),
        ("dispid not a number", ["A\tM\tget\t0x10\tVT_I4\t\t"]),
        ("dispid too large", ["A\tM\tget\t2147483648\tVT_I4\t\t"]),
        ("member twice", ["A\tM\tget\t1\tVT_I4\t\t", "A\tM\tget\t2\tVT_I4\t\t"]),
        ("class split", ["A\tM\tget\t1\tVT_I4\t\t", "B\tM\tget\t1\tVT_I4\t\t",
                         "A\tN\tget\t1\tVT_I4\t\t"]),
    ]

    def test_malformed_tables_stop_the_build(self):
        for what, rows in self.CASES:
            with self.assertRaises(gen.TableError, msg=what):
                gen.classes_in_order(members(*rows))


class ShippedTableTest(unittest.TestCase):
    def test_reads_into_the_family(self):
        with open(os.path.join(AUTOMATION, "spreadsheet-members.tsv"), encoding="utf-8") as f:
            order = gen.classes_in_order(gen.read_members(f))
        self.assertEqual(len(order), 204)
        self.assertEqual((order[0], order[4], order[-1]), ("AddIn", "_Application", "Worksheets"))


if __name__ == "__main__":
    unittest.main()
