#!/usr/bin/env python3
"""Writes the spreadsheet dispatch drivers from spreadsheet-members.tsv.

One class a row group, one member a row: each member is a single InvokeHelper call with the
row's dispatch identifier, invocation kind, result type and parameter types. With --calls it
writes instead the table the wine tests walk: every member's facts beside a thunk that calls it.

    generate_dispatch.py TSV --out DIR --chunks N      header and N sources of the library
    generate_dispatch.py TSV --calls FILE              the test table
    generate_dispatch.py TSV --ids FILE                the identifiers, for a server to answer
"""
import argparse
import csv
import os
import sys
from collections import namedtuple

KINDS = {
    "method": "DISPATCH_METHOD",
    "get": "DISPATCH_PROPERTYGET",
    "put": "DISPATCH_PROPERTYPUT",
    "putref": "DISPATCH_PROPERTYPUTREF",
}

# Result type: C++ type the member returns and the value it starts from (None: no result).
RESULTS = {
    "VT_EMPTY": (None, None),
    "VT_VARIANT": ("VARIANT", None),
    "VT_BSTR": ("CString", None),
    "VT_DISPATCH": ("LPDISPATCH", "nullptr"),
    "VT_UNKNOWN": ("LPUNKNOWN", "nullptr"),
    "VT_I4": ("long", "0"),
    "VT_BOOL": ("BOOL", "FALSE"),
    "VT_R8": ("double", "0"),
    "VT_R4": ("float", "0"),
    "VT_DATE": ("DATE", "0"),
}

# Parameter code: C++ type, whether the variadic call passes its address, the VARTYPE the
# callee receives, and the test argument accessor that supplies a value of that type.
Param = namedtuple("Param", "cpp by_address vartype accessor")
PARAMS = {
    "VTS_VARIANT": Param("const VARIANT&", True, "VT_VARIANT", "Variant"),
    "VTS_I4": Param("long", False, "VT_I4", "Long"),
    "VTS_BOOL": Param("BOOL", False, "VT_BOOL", "Bool"),
    "VTS_R8": Param("double", False, "VT_R8", "Double"),
    "VTS_R4": Param("float", False, "VT_R4", "Float"),
    "VTS_BSTR": Param("LPCTSTR", False, "VT_BSTR", "String"),
    "VTS_DISPATCH": Param("LPDISPATCH", False, "VT_DISPATCH", "Dispatch"),
    "VTS_UNKNOWN": Param("LPUNKNOWN", False, "VT_UNKNOWN", "Unknown"),
    "VTS_PBOOL": Param("VARIANT_BOOL*", False, "VT_BOOL | VT_BYREF", "BoolRef"),
    "VTS_PI4": Param("long*", False, "VT_I4 | VT_BYREF", "LongRef"),
}

# Parameter names that are keywords or macros of the compiler and Windows headers get a
# trailing underscore; the type library's names are otherwise kept, for the host's reading.
RESERVED = {
    "interface", "small", "hyper", "near", "far", "pascal", "cdecl", "IN", "OUT", "OPTIONAL",
    "CONST", "VOID", "default", "delete", "new", "this", "class", "template", "operator",
    "private", "public", "protected", "union", "struct", "register", "auto", "case", "switch",
}

Member = namedtuple("Member", "cls name kind dispid result params names")


class TableError(Exception):
    pass


def read_members(lines):
    """Rows of the table, checked: every code known and one name per parameter."""
    reader = csv.DictReader(lines, delimiter="\t")
    members = []
    for line, row in enumerate(reader, start=2):
        params = (row["params"] or "").split()
        names = (row["param_names"] or "").split()
        where = "line %d (%s::%s)" % (line, row["interface"], row["member"])
        if row["kind"] not in KINDS:
            raise TableError("%s: unknown kind %r" % (where, row["kind"]))
        if row["result"] not in RESULTS:
            raise TableError("%s: unknown result %r" % (where, row["result"]))
        unknown = [p for p in params if p not in PARAMS]
        if unknown:
            raise TableError("%s: unknown parameter code %s" % (where, unknown[0]))
        if len(params) != len(names):
            raise TableError("%s: %d parameter codes, %d names" % (where, len(params), len(names)))
        if row["kind"] in ("put", "putref") and (not params or row["result"] != "VT_EMPTY"):
            raise TableError("%s: a property put takes the new value and returns nothing" % where)
        try:
            dispid = int(row["dispid"])
        except ValueError:
            raise TableError("%s: dispatch identifier %r" % (where, row["dispid"]))
        if not -2**31 <= dispid < 2**31:
            raise TableError("%s: dispatch identifier %d out of range" % (where, dispid))
        names = [n + "_" if n in RESERVED else n for n in names]
        members.append(Member(row["interface"], row["member"], row["kind"], dispid,
                              row["result"], params, names))
    seen = set()
    for m in members:
        if (m.cls, m.name) in seen:
            raise TableError("%s::%s appears twice" % (m.cls, m.name))
        seen.add((m.cls, m.name))
    return members


def classes_in_order(members):
    order = []
    for m in members:
        if not order or order[-1] != m.cls:
            if m.cls in order:
                raise TableError("rows of %s are not together" % m.cls)
            order.append(m.cls)
    return order


def signature(m, qualified):
    ret = RESULTS[m.result][0] or "void"
    args = ", ".join("%s %s" % (PARAMS[p].cpp, n) for p, n in zip(m.params, m.names))
    return "%s %s%s(%s)" % (ret, m.cls + "::" if qualified else "", m.name, args)


def body(m):
    ret, init = RESULTS[m.result]
    lines = []
    if ret == "VARIANT":
        lines.append("  VARIANT result;")
        lines.append("  VariantInit(&result);")
    elif ret == "CString":
        lines.append("  CString result;")
    elif ret:
        lines.append("  %s result = %s;" % (ret, init))
    if m.params:
        lines.append("  static const BYTE params[] = %s;" % " ".join(m.params))
    out = "&result" if ret else "nullptr"
    call = "  InvokeHelper(%d, %s, %s, %s, %s" % (m.dispid, KINDS[m.kind], m.result, out,
                                                  "params" if m.params else "nullptr")
    for p, n in zip(m.params, m.names):
        call += ", " + ("&" + n if PARAMS[p].by_address else n)
    lines.append(call + ");")
    if ret:
        lines.append("  return result;")
    return "\n".join(lines)


HEADER_NOTE = "// Written at build time by generate_dispatch.py from spreadsheet-members.tsv.\n"


def write_header(members, path):
    by_class = {}
    for m in members:
        by_class.setdefault(m.cls, []).append(m)
    out = [
        "// Dispatch drivers of the spreadsheet application's automation interfaces.",
        HEADER_NOTE.rstrip(), "#pragma once", "#include <afxdisp.h>", "",
        '#include "core/TKWExport.h"', "",
        "// Each member makes one InvokeHelper call; dispatch exceptions pass to the caller.",
        "// Returned IDispatch and IUnknown pointers are the caller's to wrap or release.", "",
    ]
    for cls in classes_in_order(members):
        out += [
            "class TKWUI_API %s : public COleDispatchDriver {" % cls,
            " public:",
            "  %s() {}" % cls,
            "  %s(LPDISPATCH pDispatch) : COleDispatchDriver(pDispatch) {}" % cls,
            "  %s(const %s& other) : COleDispatchDriver(other) {}" % (cls, cls),
            "  %s& operator=(const %s& other) {" % (cls, cls),
            "    COleDispatchDriver::operator=(other);",
            "    return *this;",
            "  }",
            "",
        ]
        out += ["  %s;" % signature(m, False) for m in by_class[cls]]
        out += ["};", ""]
    write(path, "\n".join(out))


def write_sources(members, paths):
    order = classes_in_order(members)
    per_chunk = -(-len(order) // len(paths))
    for i, path in enumerate(paths):
        chunk = set(order[i * per_chunk:(i + 1) * per_chunk])
        out = ["// Spreadsheet dispatch drivers, part %d of %d." % (i + 1, len(paths)),
               HEADER_NOTE.rstrip(), '#include "automation/SpreadsheetDispatch.h"', ""]
        for m in members:
            if m.cls in chunk:
                out += ["%s {" % signature(m, True), body(m), "}", ""]
        write(path, "\n".join(out))


def write_calls(members, path):
    out = ["// Every spreadsheet dispatch member with its facts and a thunk that calls it.",
           HEADER_NOTE.rstrip(), '#include "SpreadsheetCalls.h"', "",
           '#include "automation/SpreadsheetDispatch.h"', "", "namespace {", ""]
    for i, m in enumerate(members):
        args = ", ".join("a.%s(%d)" % (PARAMS[p].accessor, k) for k, p in enumerate(m.params))
        call = "w.%s(%s)" % (m.name, args)
        take = "r.Take(%s);" % call if RESULTS[m.result][0] else "%s;\n  r.TakeNothing();" % call
        types = ", ".join([PARAMS[p].vartype for p in m.params] + ["VT_EMPTY"])
        out += ["const VARTYPE kParams%d[] = {%s};" % (i, types),
                "void Call%d(LPDISPATCH d, CallArgs&%s, CallResult& r) {" %
                (i, " a" if m.params else ""),
                "  class %s w(d);" % m.cls, "  " + take, "}", ""]
    out += ["}  // namespace", "", "const SpreadsheetCall kSpreadsheetCalls[] = {"]
    for i, m in enumerate(members):
        out.append('    {"%s", "%s", %d, %s, %s, kParams%d, Call%d},' %
                   (m.cls, m.name, m.dispid, KINDS[m.kind], m.result, i, i))
    out += ["};", "const size_t kSpreadsheetCallCount = %d;" % len(members), ""]
    write(path, "\n".join(out))


def write_ids(members, path):
    out = ["// The spreadsheet members' dispatch identifiers, named <class>_<member>.",
           HEADER_NOTE.rstrip(), "#pragma once", "#include <oaidl.h>", "",
           "namespace spreadsheet_id {", ""]
    out += ["constexpr DISPID %s_%s = %d;" % (m.cls.lstrip("_"), m.name, m.dispid) for m in members]
    out += ["", "}  // namespace spreadsheet_id", ""]
    write(path, "\n".join(out))


def write(path, text):
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("tsv")
    ap.add_argument("--out", help="folder that receives automation/*.h and *.cpp")
    ap.add_argument("--chunks", type=int, default=8)
    ap.add_argument("--calls", help="the test table to write")
    ap.add_argument("--ids", help="the identifier header to write")
    opts = ap.parse_args(argv)
    try:
        with open(opts.tsv, encoding="utf-8", newline="") as f:
            members = read_members(f)
        if opts.out:
            folder = os.path.join(opts.out, "automation")
            write_header(members, os.path.join(folder, "SpreadsheetDispatch.h"))
            write_sources(members, [os.path.join(folder, "SpreadsheetDispatch%d.cpp" % (i + 1))
                                    for i in range(opts.chunks)])
        if opts.calls:
            write_calls(members, opts.calls)
        if opts.ids:
            write_ids(members, opts.ids)
    except TableError as e:
        print("%s: %s" % (opts.tsv, e), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
