#!/usr/bin/env python3
"""Writes a generated walk in `snmpwalk -On` form for the tool's throughput
figures: an ifTable of ROWS interfaces (its 22 columns, one line per cell)
and an ipAddressTable of ROWS addresses (half IPv4, half IPv6; 9 columns).

Usage: gen_table_walk.py ROWS > walk.txt"""
import sys


def if_table(rows, out):
    entry = ".1.3.6.1.2.1.2.2.1"
    forms = {
        1: lambda i: "INTEGER: %d" % i,
        2: lambda i: 'STRING: "eth%d"' % i,
        3: lambda i: "INTEGER: ethernetCsmacd(6)",
        4: lambda i: "INTEGER: 1500",
        5: lambda i: "Gauge32: 1000000000",
        6: lambda i: "Hex-STRING: 00 0C 29 %02X %02X %02X " % (i >> 16 & 255, i >> 8 & 255, i & 255),
        7: lambda i: "INTEGER: up(1)",
        8: lambda i: "INTEGER: %s" % ("up(1)" if i % 3 else "down(2)"),
        9: lambda i: "Timeticks: (%d) 0:00:%02d.00" % (i * 100, i % 60),
        22: lambda i: "OID: .0.0",
    }
    for column in range(1, 23):
        for i in range(1, rows + 1):
            form = forms.get(column, lambda i: "Counter32: %d" % (i * 7919 % 4294967296))
            out.write("%s.%d.%d = %s\n" % (entry, column, i, form(i)))


def ip_address_table(rows, out):
    entry = ".1.3.6.1.2.1.4.34.1"
    index = []
    for i in range(rows):
        if i % 2 == 0:
            index.append("1.4.10.%d.%d.%d" % (i >> 16 & 255, i >> 8 & 255, i & 255))
        else:
            groups = [0x20, 0x01, 0x0d, 0xb8] + [0] * 10 + [i >> 8 & 255, i & 255]
            index.append("2.16." + ".".join(str(g) for g in groups))
    forms = {
        3: lambda i: "INTEGER: %d" % (i % 64 + 1),
        4: lambda i: "INTEGER: unicast(1)",
        5: lambda i: "OID: .1.3.6.1.2.1.4.32.1.5.%d.1.4.10.0.0.0.8" % (i % 64 + 1),
        6: lambda i: "INTEGER: manual(2)",
        7: lambda i: "INTEGER: preferred(1)",
        8: lambda i: "Timeticks: (0) 0:00:00.00",
        9: lambda i: "Timeticks: (%d) 0:00:01.00" % i,
        10: lambda i: "INTEGER: active(1)",
        11: lambda i: "INTEGER: volatile(2)",
    }
    for column in sorted(forms):
        for i in range(rows):
            out.write("%s.%d.%s = %s\n" % (entry, column, index[i], forms[column](i)))


def main():
    rows = int(sys.argv[1])
    if_table(rows, sys.stdout)
    ip_address_table(rows, sys.stdout)


if __name__ == "__main__":
    main()
