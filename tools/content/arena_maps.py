#!/usr/bin/env python3
"""Writes the maps of data/maps/. Run after changing a layout and commit its output:
    python3 tools/content/arena_maps.py data/maps

Player spawns sit 1.2 above the surface (the player model's half height is 1.1), chargers 1.1
above it (the height of a player's centre) and flag homes on it. The playable area stays within
about 65 units of the origin. Texture lines inside the cylinders section switch the textures of
the cylinders that follow.
"""
import math
import os
import sys

SPAWN_LIFT = 1.2
CHARGER_LIFT = 1.1


def fmt(v):
    text = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def facing(x, z, tx=0.0, tz=0.0):
    """Yaw that looks from (x, z) toward (tx, tz); yaw 0 looks along -z."""
    return math.degrees(math.atan2(x - tx, z - tz)) % 360


def ring(count, radius, phase=0.0):
    for k in range(count):
        a = math.radians(phase + 360.0 * k / count)
        yield radius * math.cos(a), radius * math.sin(a)


class Map:
    def __init__(self, floor="floortex", sky="skytex", cap="cylcap", side="cylside"):
        self.floor, self.sky, self.cap, self.side = floor, sky, cap, side
        self.spawns, self.team_spawns, self.chargers, self.flags = [], [], [], {}
        self.lines = []

    def cylinder(self, x, z, radius, height, base=0.0):
        self.lines.append((x, base, z, radius, height))

    def textures(self, cap, side):
        self.lines.append(f"cylcapbitmap {cap}")
        self.lines.append(f"cylsidebitmap {side}")

    def spawn(self, x, z, surface=0.0, team=None, look=(0.0, 0.0)):
        record = (x, surface + SPAWN_LIFT, z, facing(x, z, *look))
        (self.spawns if team is None else self.team_spawns).append((*record, team))

    def charger(self, x, z, surface=0.0, respawn=15000):
        self.chargers.append((x, surface + CHARGER_LIFT, z, respawn))

    def write(self, path):
        out = ["floorbitmap:", self.floor, "skybitmap:", self.sky]
        if self.spawns:
            out += ["players", str(len(self.spawns)), "x y z angle"]
            out += [" ".join(fmt(v) for v in s[:4]) for s in self.spawns]
        if self.team_spawns:
            out += ["teamplayers", str(len(self.team_spawns)), "x y z angle team"]
            out += [" ".join(fmt(v) for v in s[:4]) + f" {s[4]}" for s in self.team_spawns]
        out += ["chargers", str(len(self.chargers)), "x y z respawn interval"]
        out += [" ".join(fmt(v) for v in c[:3]) + f" {c[3]}" for c in self.chargers]
        for key in ("blueflag", "redflag"):
            if key in self.flags:
                out += [key, "x y z", " ".join(fmt(v) for v in self.flags[key])]
        out += ["cylcapbitmap:", self.cap, "cylsidebitmap:", self.side]
        solid = [line for line in self.lines if not isinstance(line, str)]
        out += ["cylinders", str(len(solid)), "x y z radius height"]
        out += [line if isinstance(line, str) else " ".join(fmt(v) for v in line)
                for line in self.lines]
        with open(path, "w") as f:
            f.write("\n".join(out) + "\n")


def arena():
    """Small deathmatch arena: a walled circle with a stepped centre."""
    m = Map()
    m.cylinder(0, 0, 6, 3)            # centre platform
    m.cylinder(0, 0, 1.6, 10)         # pillar on it, climbable from the platform
    for x, z in ring(4, 14, 45):
        m.cylinder(x, z, 3.5, 4)      # low steps
    for x, z in ring(4, 21, 0):
        m.cylinder(x, z, 1.8, 14)     # tall cover
    for x, z in ring(34, 38):
        m.cylinder(x, z, 3.5, 16)     # the wall
    for x, z in ring(10, 29, 18):
        m.spawn(x, z)
    for x, z in ring(4, 14, 45):
        m.spawn(x * 1.05, z * 1.05, surface=4)
    m.charger(0, 3.5, surface=3)
    m.charger(0, -3.5, surface=3)
    m.charger(17, 17)
    m.charger(-17, -17)
    return m


def towers():
    """Large arena: a spiral of platforms up to a central tower, four mesas and steps."""
    m = Map(floor="floorsand", sky="skydusk", cap="capstone", side="sidestone")
    mesa = 34
    steps = 8
    for k in range(steps):
        a = math.radians(45 * k)
        m.cylinder(16 * math.cos(a), 16 * math.sin(a), 5, 3 + 3 * k)
    m.cylinder(0, 0, 9.5, 27)         # central tower, one jump above the last step
    for sx in (-1, 1):
        for sz in (-1, 1):
            cx, cz = mesa * sx, mesa * sz
            m.cylinder(cx, cz, 8, 8)                         # mesa
            m.cylinder(cx - 9 * sx, cz, 3, 4)                # step to the mesa
            m.cylinder(cx, cz - 11 * sz, 2, 12)              # lookout pillar
    for x, z in ring(12, 30, 15):
        m.cylinder(x, z, 1.5, 6 + 4 * (round(x + z) % 3))     # scattered pillars
    for x, z in ring(42, 64):
        m.cylinder(x, z, 5, 24)      # outer wall
    for x, z in ring(8, 50, 22.5):
        m.spawn(x, z)
    for sx in (-1, 1):
        for sz in (-1, 1):
            m.spawn(mesa * sx, mesa * sz, surface=8)
    m.spawn(0, 0, surface=27, look=(0, 30))
    m.charger(0, 5, surface=27)
    m.charger(16, 0, surface=3)
    for sx, sz in ((-1, -1), (1, 1)):
        m.charger(mesa * sx + 3, mesa * sz, surface=8)
    return m


def ctf():
    """Team arena for CTF and TDM: two walled bases with raised flag stands, a contested middle."""
    m = Map(floor="floormetal")
    m.textures("capblue", "sideblue")
    for sx in (-1, 1):
        if sx == 1:
            m.textures("capred", "sidered")
        bx = 46 * sx
        m.cylinder(bx, 0, 4, 2)                                # flag stand
        for z in (-14, -7, 7, 14):
            m.cylinder(bx + 8 * sx, z, 2.5, 10)               # back wall of the base
        m.cylinder(bx - 6 * sx, -12, 3, 5)                    # base cover
        m.cylinder(bx - 6 * sx, 12, 3, 5)
    m.textures("cylcap", "cylside")
    m.cylinder(0, 0, 7, 4)                                      # middle platform
    m.cylinder(0, 0, 2, 11)                                     # middle lookout
    for x, z in ((-20, -9), (-20, 9), (20, -9), (20, 9), (-10, -20), (10, 20), (10, -20),
                 (-10, 20)):
        m.cylinder(x, z, 2.2, 7)                               # cover pillars
    for k in range(25):                                         # long walls
        x = -60 + 5 * k
        m.cylinder(x, -30, 2.6, 24)
        m.cylinder(x, 30, 2.6, 24)
    for k in range(1, 12):                                      # end walls
        z = -30 + 5 * k
        m.cylinder(-62, z, 2.6, 24)
        m.cylinder(62, z, 2.6, 24)
    for team, sx in ((0, -1), (1, 1)):
        for x, z in ((40, -5), (40, 5), (36, -12), (36, 12), (32, 0)):
            m.spawn(sx * x, z, team=team, look=(0, z))
        m.charger(sx * 40, 20)
    m.flags["blueflag"] = (-46, 2, 0)
    m.flags["redflag"] = (46, 2, 0)
    m.charger(0, 4, surface=4)
    m.charger(0, -4, surface=4)
    return m


def quarry():
    """Deathmatch among stone, metal and brick pillars: the cylinder textures change per group."""
    m = Map(floor="floorsand", sky="skydusk")
    m.textures("capstone", "sidestone")
    for x, z in ring(7, 26, 10):
        m.cylinder(x, z, 6, 5)                                 # boulders
    for x, z in ring(7, 26, 10):
        m.cylinder(x * 1.1, z * 1.1, 2.5, 12)                  # stacked stone on them
    m.textures("capmetal", "sidemetal")
    for x, z in ring(5, 11, 0):
        m.cylinder(x, z, 2, 3 + 2 * round(abs(x) % 3))         # machinery
    m.cylinder(0, 0, 4, 8)                                      # central silo
    m.textures("cylcap", "cylside")
    for x, z in ring(28, 45):
        m.cylinder(x, z, 5, 15)                                # quarry wall
    for x, z in ring(10, 36, 8):
        m.spawn(x, z)
    for x, z in list(ring(7, 26, 10))[:3]:
        m.spawn(x * 0.88, z * 0.88, surface=5)   # on a boulder, clear of its stone stack
    m.charger(0, 0, surface=8)
    m.charger(18, 0)
    m.charger(-18, 0)
    return m


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "data/maps"
    os.makedirs(folder, exist_ok=True)
    for name, build in (("arena", arena), ("towers", towers), ("ctf", ctf), ("quarry", quarry)):
        build().write(os.path.join(folder, name + ".map"))


if __name__ == "__main__":
    main()
