#!/bin/sh
# Decodes the instance identifiers of a few tables in walk.txt (the output of
# `snmpwalk -On`) into their index values: one table column at a time with
# --prefix, whole tables (InetAddress indexes) with --entry, and shows three
# tables by name from the built-in catalogue as rows with `tevasn table`.
# usage: examples/run.sh [PATH-TO-TEVASN]
# TEVASN_EMULATOR, when set, runs the tool (e.g. qemu-i386 for a 32-bit build).
set -eu
here=$(dirname "$0")
tevasn=${1:-$here/../build/release/tools/tevasn}
walk=$here/walk.txt

# decode OPTION TITLE BASE TYPE...: the lines below BASE, decoded with the
# TYPEs; OPTION is --prefix (one column) or --entry (every column of a table).
decode() {
  option=$1
  title=$2
  base=$3
  shift 3
  printf '\n%s\n' "$title"
  awk -v base="$base." 'index($1, base) == 1' "$walk" |
    ${TEVASN_EMULATOR:-} "$tevasn" decode "$option" "$base" "$@"
}
table() { decode --prefix "$@"; }
entry() { decode --entry "$@"; }

table "ifTable (INDEX ifIndex), from ifDescr:" \
  .1.3.6.1.2.1.2.2.1.2 integer
table "ipAddrTable (INDEX ipAdEntAddr), from ipAdEntIfIndex:" \
  .1.3.6.1.2.1.4.20.1.2 ipaddress
table "ipCidrRouteTable (INDEX dest, mask, tos, next hop), from ipCidrRouteIfIndex:" \
  .1.3.6.1.2.1.4.24.4.1.7 ipaddress ipaddress integer ipaddress
table "dot1dTpFdbTable (INDEX dot1dTpFdbAddress, a 6-octet MacAddress):" \
  .1.3.6.1.2.1.17.4.3.1.2 fixed:6
table "snmpTargetAddrTable (INDEX IMPLIED snmpTargetAddrName):" \
  .1.3.6.1.6.3.12.1.2.1.3 octets/implied
table "vacmSecurityToGroupTable (INDEX securityModel, securityName):" \
  .1.3.6.1.6.3.16.1.2.1.3 integer octets
table "vacmViewTreeFamilyTable (INDEX viewName, subtree):" \
  .1.3.6.1.6.3.16.1.5.2.1.4 octets oid

entry "ipAddressTable (INDEX ipAddressAddrType, ipAddressAddr), every column:" \
  .1.3.6.1.2.1.4.34.1 inetaddress
entry "tcpConnectionTable (INDEX local address and port, remote address and port), every column:" \
  .1.3.6.1.2.1.6.19.1 inetaddress gauge inetaddress gauge

# by_name TABLE: that table's lines of the walk (its entry identifier from
# `tevasn tables`) shown as rows, values by their columns' syntax.
by_name() {
  printf '\n%s by name (tevasn table %s):\n' "$1" "$1"
  entry_oid=$(${TEVASN_EMULATOR:-} "$tevasn" tables | awk -v name="$1" '$1 == name { print $3 }')
  awk -v base=".$entry_oid." 'index($1, base) == 1' "$walk" |
    ${TEVASN_EMULATOR:-} "$tevasn" table "$1"
}
by_name ipAddressTable
by_name ifTable
by_name tcpConnectionTable

printf '\nThe walk is in walk order (sort --check prints nothing):\n'
${TEVASN_EMULATOR:-} "$tevasn" sort --check <"$walk"
