#!/usr/bin/env python3
"""Writes two_layers.wpi: a receiver-sized sketch of two layers.

Each sample is sent as the receiver does: coordinate, pressure (type 1),
timestamp (kind 0x11, 5 ms apart) and, every fourth sample, tilt. Strokes are
wrapped in pen-down and pen-up status packets; a status 0x80 starts layer 2.
"""
import math
import struct
import sys


def packet(tag, body):
    return bytes([tag, len(body) + 2]) + bytes(body)


def sample(rx, ry, raw_pressure, time, tilt):
    out = packet(0x61, struct.pack(">hh", rx, ry))
    out += packet(0x64, bytes([1, 0]) + struct.pack(">H", raw_pressure))
    out += packet(0xC2, bytes([0x11]) + time.to_bytes(3, "big"))
    if tilt is not None:
        out += packet(0x65, struct.pack(">bb", *tilt) + bytes(2))
    return out


def stroke(origin_x, origin_y, count, time):
    out = packet(0xF1, [0x01])
    for i in range(count):
        rx = origin_x + 20 * i
        ry = origin_y + round(300 * math.sin(i / 10))
        tilt = (i % 50 - 25, 10 - i % 20) if i % 4 == 0 else None
        out += sample(rx, ry, 2000 + 40 * i, time, tilt)
        time += 5
    return out + packet(0xF1, [0x00]), time


def main(path):
    data = packet(0x01, [0x10, 0x02, 0x00, 0x00])
    data += packet(0x11, [0x01, 0x05, 0xC8, 0x07, 0xD0, 0x02, 0x01])
    data += packet(0x31, [0x0E, 0x06, 0x15, 0x0A, 0x1E, 0x00, 0x00])
    time = 1000
    for s in range(12):
        body, time = stroke(2000 + 800 * s, 1500 + 400 * s, 80, time)
        data += body
    data += packet(0xF1, [0x80])
    for s in range(6):
        body, time = stroke(3000 + 1000 * s, 6000 + 600 * s, 120, time)
        data += body
    with open(path, "wb") as out:
        out.write(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "two_layers.wpi")
