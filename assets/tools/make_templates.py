#!/usr/bin/env python3
"""Writes the empty table templates that the programs carry into assets/data/.

Run from anywhere: python3 assets/tools/make_templates.py
The layouts below are the three tables the programs keep; every reserved byte is zero.
"""
import os
import struct

VERSION = 0x00010000
TYPE_INT, TYPE_FLOAT, TYPE_DOUBLE, TYPE_BOOL, TYPE_DATE, TYPE_TEXT, TYPE_BYTES = 3, 5, 6, 7, 8, 10, 11
WIDTHS = {TYPE_INT: 4, TYPE_FLOAT: 4, TYPE_DOUBLE: 8, TYPE_BOOL: 1, TYPE_DATE: 8, TYPE_BYTES: 4}

CONTRACT = [("合同号", TYPE_INT, 0), ("建筑单位名称", TYPE_TEXT, 20), ("合同开始日期", TYPE_DATE, 0),
            ("差螺丝赔偿单价", TYPE_DOUBLE, 0), ("钢管租金", TYPE_FLOAT, 0), ("扣件租金", TYPE_FLOAT, 0),
            ("顶托租金", TYPE_FLOAT, 0), ("工字钢租金", TYPE_FLOAT, 0), ("备注", TYPE_TEXT, 20),
            ("扣件洗油费", TYPE_DOUBLE, 0), ("合同序号", TYPE_INT, 0), ("数据", TYPE_BYTES, 0)]
DOCKET = [("单号", TYPE_INT, 0), ("日期", TYPE_DATE, 0), ("出入", TYPE_BOOL, 0),
          ("钢管数量", TYPE_DOUBLE, 0), ("扣件数量", TYPE_INT, 0), ("顶托数量", TYPE_DOUBLE, 0),
          ("工字钢数量", TYPE_DOUBLE, 0), ("差螺丝赔偿", TYPE_INT, 0), ("其它备注", TYPE_TEXT, 20)]
TALLY = [("日期", TYPE_TEXT, 20), ("码单数据", TYPE_BYTES, 0), ("扣件", TYPE_INT, 0),
         ("钢管", TYPE_DOUBLE, 0), ("单双", TYPE_BOOL, 0), ("单位名称", TYPE_TEXT, 20)]


def width(kind, declared):
    return declared if kind == TYPE_TEXT else WIDTHS[kind]


def descriptors(fields):
    out, offset = b"", 4
    for name, kind, declared in fields:
        raw = name.encode("gbk")
        assert len(raw) <= 16
        out += raw.ljust(20, b"\0") + struct.pack("<iii", kind, offset, declared) + bytes(40)
        offset += width(kind, declared)
    return out, offset


def table(created, count, next_number, fields, records=b""):
    descs, record_size = descriptors(fields)
    head = b"XRDB" + struct.pack("<idiii", VERSION, created, count, next_number, record_size)
    head += bytes(84) + struct.pack("<i", len(fields))
    assert len(head) == 116
    return head + descs + records


def companion(created):
    return b"XRDT" + struct.pack("<idiii", VERSION, created, 1, 0, 0) + bytes(484)


def tally_record(number, date, block):
    rec = struct.pack("<i", number) + date.encode("gbk").ljust(20, b"\0")
    rec += struct.pack("<iidB", block, 123, 1048.0, 0) + bytes(20)
    assert len(rec) == 61
    return rec


def main():
    samples = [(1, "2014年1月5日", 1), (2, "2014年1月27日", 17), (3, "2014年3月30日", 33)]
    files = {
        "合同.rdb": table(41736.78197916667, 0, 7, CONTRACT),
        "合同.rdt": companion(41726.40571759259),
        "出租单数据.rdb": table(41691.544895833336, 0, 15, DOCKET),
        "码单数据库.rdb": table(41728.44196759259, 3, 4, TALLY,
                            b"".join(tally_record(*s) for s in samples)),
        "码单数据库.RDT": companion(40875.85309027778),
    }
    sizes = {"合同.rdb": 980, "合同.rdt": 512, "出租单数据.rdb": 764, "码单数据库.rdb": 731,
             "码单数据库.RDT": 512}
    out_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")
    for name, data in files.items():
        assert len(data) == sizes[name], name
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
