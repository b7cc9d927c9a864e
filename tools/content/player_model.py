#!/usr/bin/env python3
"""Writes data/player.txt: the player figure built of cylinders and spheres with its poses.

The figure is 2.2 units tall, centred on y = 0 (feet at -1.1, head top at +1.1), and faces -z.
Limbs are placed by joint and swing angle so that every pose stays connected; run this script
after changing a pose and commit its output:  python3 tools/content/player_model.py > data/player.txt
"""
import math

FOOT_Y = -1.1
THIGH = (0.10, 0.50)  # radius, height
SHIN = (0.085, 0.42)
UPPER_ARM = (0.07, 0.46)
TORSO = (0.27, 0.82)
HEAD = (0.20, 0.44)
SHOULDER = (0.13, 0.26)
RIFLE = (0.085, 0.33)
MUZZLE = (0.035, 0.13)
HIP_HALF_WIDTH = 0.13
SHOULDER_OFFSET = (0.36, 0.72)  # from the hip centre, upright
HEAD_OFFSET = 1.06


def rot_x(a, p):
    c, s = math.cos(math.radians(a)), math.sin(math.radians(a))
    return (p[0], c * p[1] - s * p[2], s * p[1] + c * p[2])


def rot_z(a, p):
    c, s = math.cos(math.radians(a)), math.sin(math.radians(a))
    return (c * p[0] - s * p[1], s * p[0] + c * p[1], p[2])


def add(a, b):
    return tuple(x + y for x, y in zip(a, b))


def scale(a, k):
    return tuple(x * k for x in a)


def hanging(joint, length, rx, rz=0.0):
    """Centre of a limb hanging from joint: the loader bakes RotZ(rz) after RotX(rx)."""
    direction = rot_z(rz, rot_x(rx, (0.0, -1.0, 0.0)))
    return add(joint, scale(direction, length / 2)), add(joint, scale(direction, length))


class Pose:
    """Hip centre, torso lean (about X, negative leans forward) and the joint angles of limbs."""

    def __init__(self, hip_y=None, lean=0.0, hip_z=0.0, legs=((0, 0, 0), (0, 0, 0)),
                 arms=((60, 45), (55, -12)), rifle_drop=0.0, head_tilt=(0, 0)):
        self.hip_y, self.lean, self.hip_z = hip_y, lean, hip_z
        self.legs, self.arms = legs, arms
        self.rifle_drop, self.head_tilt = rifle_drop, head_tilt

    def upper(self, hip, offset):
        return add(hip, rot_x(self.lean, offset))

    def leg_chain(self, hip, side):
        thigh_rx, thigh_rz, shin_rx = self.legs[side][0], self.legs[side][1], self.legs[side][2]
        joint = add(hip, ((-1 if side == 0 else 1) * HIP_HALF_WIDTH, 0.0, 0.0))
        thigh_c, knee = hanging(joint, THIGH[1], thigh_rx, thigh_rz)
        shin_c, foot = hanging(knee, SHIN[1], shin_rx, thigh_rz)
        return (thigh_c, (thigh_rx, thigh_rz)), (shin_c, (shin_rx, thigh_rz))


def lowest_leg_point(pose, hip):
    """Lowest vertex of both shins: the bottom rim of each tilted cylinder."""
    low = 1e9
    for side in (0, 1):
        _, (shin_c, (rx, rz)) = pose.leg_chain(hip, side)
        for step in range(64):
            angle = 2 * math.pi * step / 64
            rim = (SHIN[0] * math.cos(angle), -SHIN[1] / 2, SHIN[0] * math.sin(angle))
            low = min(low, shin_c[1] + rot_z(rz, rot_x(rx, rim))[1])
    return low


def place_hip(pose):
    """Hip height that puts the lowest leg point on the floor (model space y = FOOT_Y)."""
    if pose.hip_y is not None:
        return (0.0, pose.hip_y, pose.hip_z)
    return (0.0, FOOT_Y - lowest_leg_point(pose, (0.0, 0.0, pose.hip_z)), pose.hip_z)


def part_frames(pose):
    """Shift (and rotation) of every part in this pose."""
    hip = place_hip(pose)
    frames = {}
    torso_c = pose.upper(hip, (0.0, TORSO[1] / 2, 0.0))
    frames["body"] = (torso_c, (pose.lean, 0.0))
    for side, name in ((0, "leftthigh"), (1, "rightthigh")):
        (thigh_c, thigh_rot), (shin_c, shin_rot) = pose.leg_chain(hip, side)
        frames[name] = (thigh_c, thigh_rot)
        frames[name.replace("thigh", "shin")] = (shin_c, shin_rot)
    for side, name in ((0, "leftarm"), (1, "rightarm")):
        sx = -SHOULDER_OFFSET[0] if side == 0 else SHOULDER_OFFSET[0]
        joint = pose.upper(hip, (sx, SHOULDER_OFFSET[1], 0.0))
        rx, rz = pose.arms[side]
        centre, _ = hanging(joint, UPPER_ARM[1], rx + pose.lean, rz)
        frames[name] = (centre, (rx + pose.lean, rz))
    frames["shaulders"] = (pose.upper(hip, (-SHOULDER_OFFSET[0], SHOULDER_OFFSET[1], 0.0)), None)
    frames["shaulders2"] = (pose.upper(hip, (SHOULDER_OFFSET[0], SHOULDER_OFFSET[1], 0.0)), None)
    head = pose.upper(hip, (0.0, HEAD_OFFSET, 0.0))
    frames["HEAD"] = (add(head, (0.0, pose.head_tilt[0], pose.head_tilt[1])), None)
    rifle = pose.upper(hip, (SHOULDER_OFFSET[0] - 0.1, SHOULDER_OFFSET[1] - 0.2, -0.2))
    rifle = add(rifle, (0.0, -pose.rifle_drop, 0.0))
    frames["HAND"] = (rifle, (-90.0, 0.0))
    muzzle = add(rifle, (0.0, 0.0, -(RIFLE[1] + MUZZLE[1]) / 2))
    frames["BSTART"] = (muzzle, (-90.0, 0.0))
    return frames


def mirror(legs):
    return (legs[1], legs[0])


SEAT_LEGS = ((70, 0, -30), (70, 0, -30))
WALK_A = ((28, 0, 4), (-22, 0, -40))
CROUCH_A = ((78, 0, -40), (40, 0, -70))
SPRINT_A = ((55, 0, 10), (-35, 0, -80))
CROUCH_ARMS = ((65, 45), (60, -12))
# Poses, in frame order. Every pose puts its lowest vertex on the floor, so the model's half
# height stays 1.1 and the feet of the first pose of each animation (the one collision reads) touch.
POSES = [
    Pose(),                                                    # 0 stand
    Pose(legs=WALK_A),                                         # 1 walk A
    Pose(legs=mirror(WALK_A)),                                 # 2 walk B
    Pose(lean=-20, legs=SEAT_LEGS, arms=CROUCH_ARMS),          # 3 crouch (SEAT)
    Pose(lean=-20, legs=CROUCH_A, arms=CROUCH_ARMS),           # 4 crouch walk A
    Pose(lean=-20, legs=mirror(CROUCH_A), arms=CROUCH_ARMS),   # 5 crouch walk B
    Pose(lean=-18, legs=SPRINT_A, arms=((75, 45), (65, -12))),  # 6 sprint A
    Pose(lean=-18, legs=mirror(SPRINT_A), arms=((75, 45), (65, -12))),  # 7 sprint B
    Pose(legs=((0, -16, 0), (0, 16, 0))),                      # 8 strafe
    Pose(lean=12, legs=((70, 0, -60), (45, 0, -85)), arms=((20, 40), (10, -40)),
         rifle_drop=0.3),                                      # 9 death: knees buckle
    Pose(lean=-15, legs=((0, 0, -90), (5, 0, -90)), arms=((-5, 12), (-5, -12)),
         rifle_drop=0.6, head_tilt=(-0.12, -0.1)),            # 10 death: slumped
    Pose(lean=-10, legs=((75, 0, -25), (60, 0, -45)), arms=((75, 45), (65, -12))),  # 11 jump
    Pose(lean=-20, legs=((70, -18, -30), (70, 18, -30)), arms=CROUCH_ARMS),  # 12 crouch side
]

# Animation index order is fixed by the game code.
ANIMATIONS = [
    ("walk", 110, [0, 1, 0, 2]),
    ("walkback", 130, [0, 2, 0, 1]),
    ("crouchforward", 170, [3, 4, 3, 5]),
    ("crouchback", 190, [3, 5, 3, 4]),
    ("crouchleft", 180, [3, 12]),
    ("crouchright", 180, [3, 12]),
    ("SEAT", 200, [3]),
    ("sprint", 160, [0, 6, 0, 7]),
    ("strafeleft", 140, [0, 8]),
    ("straferight", 140, [0, 8]),
    ("death", 140, [0, 9, 10]),
    ("jump", 90, [0, 11]),
]

# name, kind, (radius, height), segments (around, along), texture
PARTS = [
    ("body", "CYLINDER", TORSO, (12, 2), "PLTEX2"),
    ("leftthigh", "CYLINDER", THIGH, (8, 1), "pllegs"),
    ("rightthigh", "CYLINDER", THIGH, (8, 1), "pllegs"),
    ("leftshin", "CYLINDER", SHIN, (8, 1), "pllegs"),
    ("rightshin", "CYLINDER", SHIN, (8, 1), "pllegs"),
    ("leftarm", "CYLINDER", UPPER_ARM, (8, 1), "PLTEX1"),
    ("rightarm", "CYLINDER", UPPER_ARM, (8, 1), "PLTEX1"),
    ("HAND", "CYLINDER", RIFLE, (8, 1), "plgun"),
    ("BSTART", "CYLINDER", MUZZLE, (6, 1), "plgun"),
    ("HEAD", "SPHERE", HEAD, (12, 8), "PLTEX1"),
    ("shaulders", "SPHERE", SHOULDER, (10, 6), "PLTEX2"),
    ("shaulders2", "SPHERE", SHOULDER, (10, 6), "PLTEX2"),
]


def fmt(v):
    text = f"{v:.4f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def main():
    frames = [part_frames(pose) for pose in POSES]
    out = []
    for name, kind, (radius, height), (around, along), texture in PARTS:
        pivot = frames[0][name][0]
        if name in ("HAND", "BSTART"):
            # Both aim parts turn about the right shoulder, so the muzzle stays on the rifle.
            hip = place_hip(POSES[0])
            pivot = POSES[0].upper(hip, (SHOULDER_OFFSET[0], SHOULDER_OFFSET[1], 0.0))
        if name == "body":
            pivot = (0.0, 0.0, 0.0)  # the root part: the model origin is the body's centre
        out += ["TYPE", kind, "NAME", name, "TEXNAME", texture, "POSITION",
                " ".join(fmt(v) for v in (*pivot, radius, height)), "SEGS", f"{around} {along}",
                "COLOR", "$FFFFFF"]
        for frame in frames:
            shift, rotation = frame[name]
            out += ["SHIFT", " ".join(fmt(v) for v in shift)]
            if rotation is not None and kind == "CYLINDER":
                rx, rz = rotation
                if rz:
                    out += ["ROTATIONZ", f"{fmt(rx)} 0 {fmt(rz)}"]
                else:
                    out += ["ROTATION", f"{fmt(rx)} 0"]
        out += ["ANIMATIONS", str(len(ANIMATIONS))]
        for anim, interval, frame_list in ANIMATIONS:
            out += ["ANIMNAME", anim, "INTERVAL", str(interval), "ANIMFRAMECOUNT",
                    str(len(frame_list)), "CURFRAME", "0",
                    "ANIM", f"{len(frame_list)} " + " ".join(str(f) for f in frame_list)]
    print("\n".join(out))


if __name__ == "__main__":
    main()
