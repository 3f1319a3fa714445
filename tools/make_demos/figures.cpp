// The figures among the demo drawings: silhouettes drawn as smooth curves
// through hand-placed points and polygonised into short lines or open
// polylines, with small gaps and stretches drawn twice.
#include "drawings.h"
#include "outline.h"

namespace demos {

namespace {

// Lines about 0.8 mm long, as a tracing program would deliver them.
constexpr double kStep = 0.8;

} // namespace

// A dragon standing on its legs, facing right, with a raised scalloped
// wing, horns and a tail ending in a spade; polylines broken by small gaps.
void dragon(DemoDxf& d) {
    Outline o;
    // from the right notch of the spade along the tail's upper edge to the back
    o.corner(19, 119).smooth(26, 100).smooth(34, 87).smooth(46, 79).smooth(64, 83).smooth(82, 92);
    // the wing: scalloped back edge up to the tip, leading edge down over the wrist
    o.corner(90, 97).smooth(92, 110).corner(74, 116).smooth(82, 134).corner(60, 142).smooth(74, 156);
    o.corner(58, 172).smooth(72, 186).corner(70, 205).smooth(98, 190).corner(125, 165).smooth(122, 130);
    o.corner(116, 100);
    // back, neck and head with a horn
    o.smooth(130, 100).smooth(146, 112).smooth(153, 130).smooth(160, 150).corner(168, 163);
    o.corner(156, 184).smooth(172, 172).smooth(184, 167).smooth(200, 161).corner(212, 156);
    // open jaws
    o.corner(210, 150).corner(194, 150).corner(208, 145).corner(209, 140);
    o.smooth(194, 138).smooth(179, 141).smooth(169, 131).smooth(161, 112).smooth(153, 96);
    // front leg with claws
    o.smooth(155, 78).smooth(154, 60).smooth(151, 40).smooth(154, 16);
    o.corner(168, 1).corner(160, 4).corner(158, 0).corner(150, 4).corner(146, 0).corner(143, 6);
    o.smooth(143, 22).smooth(141, 44).smooth(141, 62).corner(137, 74);
    // belly and hind leg
    o.smooth(120, 71).smooth(100, 69).smooth(84, 72).smooth(86, 52).corner(78, 36).smooth(82, 18);
    o.corner(94, 1).corner(86, 4).corner(84, 0).corner(76, 4).corner(70, 0).corner(68, 8);
    o.smooth(69, 22).smooth(65, 38).smooth(59, 55);
    // the tail's lower edge and the spade
    o.smooth(48, 60).smooth(36, 66).smooth(26, 78).smooth(18, 94).smooth(14, 106).corner(9, 114);
    o.corner(-4, 110).smooth(-2, 126).corner(4, 142).smooth(18, 134).corner(30, 126);
    const Points pts = o.sample(kStep, true);
    faultyPolylines(d, pts, {{{0.18, 0.1}, {0.52, 0.15}, {0.81, 0.3}}, {{0.6, 0.63}}}, "DRACHE");
    // the eye
    d.circle({186, 160}, 2.2, "DRACHE");
}

// A stag standing, facing right, with antlers; lines with small gaps and a
// stretch drawn twice.
void deer(DemoDxf& d) {
    Outline o;
    // rump and back, neck, head with ear
    o.smooth(50, 128).smooth(80, 124).smooth(110, 124).smooth(130, 130).smooth(138, 145).smooth(145, 162);
    o.smooth(150, 172).corner(130, 182).smooth(146, 179).smooth(156, 183).smooth(164, 181).smooth(172, 172);
    o.corner(184, 162);
    o.corner(183, 156).smooth(175, 155).smooth(163, 158).smooth(155, 154).smooth(152, 140).smooth(150, 124);
    o.smooth(148, 108).smooth(143, 96);
    // front legs
    o.smooth(141, 90).smooth(140, 62).smooth(139, 40).smooth(139, 10).corner(142, 0).corner(134, 0);
    o.smooth(134, 10).smooth(134, 40).smooth(133, 62).corner(131, 84);
    o.smooth(126, 62).smooth(124, 40).smooth(123, 10).corner(126, 0).corner(118, 0).smooth(118, 10);
    o.smooth(118, 40).smooth(119, 62).smooth(119, 88);
    // belly and hind legs
    o.smooth(100, 92).smooth(75, 92).smooth(64, 88).smooth(65, 65).smooth(63, 45).smooth(63, 10);
    o.corner(66, 0).corner(58, 0).smooth(58, 10).smooth(57, 42).smooth(55, 62).corner(53, 80);
    o.smooth(50, 62).smooth(47, 46).smooth(47, 10).corner(50, 0).corner(42, 0).smooth(42, 10);
    o.smooth(41, 40).corner(38, 48).smooth(37, 64).smooth(39, 90).smooth(42, 110);
    // the short tail
    o.smooth(45, 120).corner(38, 129);
    faultyLines(d, o.sample(kStep, true), {{{0.3, 0.12}, {0.7, 0.08}}, {{0.45, 0.5}}}, "HIRSCH");
    // the antlers: a beam curving back with three tines
    Outline a;
    a.corner(145, 178).smooth(139, 196).smooth(131, 214).smooth(123, 232).smooth(118, 250).corner(121, 268);
    a.smooth(126, 254).smooth(128, 244).corner(142, 266).smooth(134, 238).smooth(134, 228).corner(156, 244);
    a.smooth(140, 220).smooth(143, 208).corner(170, 208).smooth(150, 198).corner(155, 179);
    faultyLines(d, placed(a.sample(kStep, true), 1, 4, 5), {{{0.5, 0.1}}, {}}, "GEWEIH");
}

// A horse standing, facing right; lines with small gaps and a stretch drawn
// twice.
void horse(DemoDxf& d) {
    Outline o;
    // rump, back, withers, crest, ear, face
    o.smooth(48, 128).smooth(65, 131).smooth(88, 124).smooth(112, 127).smooth(128, 136).smooth(142, 153);
    o.smooth(156, 172).smooth(166, 186).corner(167, 197).corner(174, 188).smooth(182, 183).smooth(195, 166);
    o.smooth(206, 146).smooth(210, 136).smooth(206, 128).corner(199, 129).smooth(196, 126);
    // jaw, throat, neck, chest
    o.smooth(186, 133).smooth(176, 140).smooth(170, 132).smooth(166, 118).smooth(163, 102).smooth(158, 90);
    // front legs
    o.smooth(156, 80).smooth(155, 55).smooth(156, 45).smooth(156, 14).corner(161, 0).corner(148, 0);
    o.smooth(148, 12).smooth(146, 45).smooth(146, 55).corner(143, 75);
    o.smooth(139, 68).smooth(135, 45).smooth(133, 14).corner(137, 0).corner(125, 0).smooth(125, 12);
    o.smooth(126, 45).corner(128, 70);
    // belly, hind legs, buttock
    o.smooth(118, 80).smooth(100, 78).smooth(88, 79);
    o.smooth(90, 60).smooth(88, 44).smooth(88, 14).corner(92, 0).corner(80, 0).smooth(79, 14).smooth(78, 44);
    o.smooth(76, 62).corner(73, 70);
    o.smooth(70, 54).smooth(67, 42).smooth(67, 14).corner(71, 0).corner(59, 0).smooth(58, 14);
    o.smooth(57, 40).corner(53, 47).smooth(49, 64).smooth(42, 85).smooth(39, 100);
    // the tail: down its inner edge to the tip, up its outer edge
    o.corner(40, 110).smooth(33, 96).smooth(26, 78).corner(18, 56).smooth(16, 80).smooth(22, 104);
    o.smooth(32, 121);
    faultyLines(d, o.sample(kStep, true), {{{0.12, 0.1}, {0.6, 0.16}}, {{0.3, 0.34}}}, "PFERD");
    d.circle({186, 168}, 2, "PFERD"); // the eye
}

// A woman in a dress, seen from the front, with long hair: one half drawn
// and mirrored.
void woman(DemoDxf& d) {
    Outline half;
    half.smooth(0, 200).smooth(9, 197).smooth(15, 188).smooth(16, 172).smooth(18, 156).smooth(22, 147);
    half.smooth(27, 140).smooth(30, 128).smooth(31, 108).smooth(32, 90).smooth(34, 82).smooth(32, 77);
    half.smooth(29, 80).smooth(27, 92).smooth(26, 110).corner(23, 126).smooth(17, 112).smooth(13, 100);
    half.smooth(20, 80).smooth(30, 62).corner(38, 50).corner(10, 50).smooth(9, 38).smooth(8, 20);
    half.smooth(7, 8).smooth(9, 3).corner(15, 1).corner(14, 0).corner(3.5, 0).corner(3.5, 50).corner(0, 50);
    const Points right = half.sample(kStep, false);
    Points all = right;
    const Points left = reversed(placed(right, 1, 0, 0, true));
    all.insert(all.end(), left.begin() + 1, left.end());
    faultyLines(d, placed(all, 1, 60, 0), {{{0.2, 0.15}, {0.75, 0.1}}, {{0.4, 0.45}}}, "FRAU");
}

// A young woman's head and shoulders in profile, facing right, with a
// ponytail, as one polyline, and an eye of two arcs.
void youngwoman(DemoDxf& d) {
    Outline o;
    // the bust's base, chest, neck, chin, lips, nose, brow, forehead
    o.corner(0, 0).corner(130, 0).smooth(128, 15).smooth(116, 36).smooth(104, 58).smooth(101, 78);
    o.smooth(106, 86).smooth(118, 88).smooth(124, 96).smooth(122, 104).smooth(126, 108).corner(121, 111);
    o.smooth(127, 114).smooth(124, 120).corner(126, 126).smooth(136, 134).smooth(127, 150).smooth(124, 160);
    o.smooth(127, 168).smooth(124, 186).smooth(115, 202).smooth(95, 214).smooth(70, 212).smooth(54, 198);
    // the ponytail from its tie, the nape, the back
    o.corner(50, 190).smooth(36, 191).smooth(24, 178).smooth(18, 150).corner(22, 110).smooth(28, 145);
    o.smooth(36, 166).smooth(46, 175).corner(53, 173).smooth(62, 160).smooth(69, 130).smooth(66, 100);
    o.smooth(40, 72).smooth(16, 48).smooth(4, 22);
    const Points pts = o.sample(kStep, true);
    d.polyline(Points(pts.begin(), pts.end() - 1), true, "PROFIL");
    // the eye: a lens of two arcs
    const double lid = 8 * std::sin(62 * kPi / 180);
    d.arc({115, 153}, 8, 62, 118, "AUGE");
    d.arc({115, 153 + 2 * lid}, 8, 242, 298, "AUGE");
}

} // namespace demos
