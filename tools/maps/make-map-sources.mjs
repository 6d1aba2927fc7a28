// Regenerates data/geography/maps/*.poly and madrid_municipios.tsv from es-atlas (IGN
// geometry, CC-BY 4.0). Run `npm install && npm run make` in this folder; the normal build
// only reads the committed results, so it needs neither node nor the network.
//
// Output: one polygon ring a line, "<region><TAB>lon lat lon lat ...", in degrees with four
// decimals. A region's rings are filled even-odd, so holes are rings too.
import { readFileSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { merge, mesh, neighbors } from "topojson-client";
import { presimplify, simplify } from "topojson-simplify";

const here = dirname(fileURLToPath(import.meta.url));
const out = join(here, "../../data/geography/maps");
const require = createRequire(import.meta.url);
const atlas = JSON.parse(
  readFileSync(require.resolve("es-atlas/es/municipalities.json"), "utf8"));

// INE community codes -> the program's community numbers (alphabetical order, with Ceuta
// and Melilla last). Ceuta, Melilla and Gibraltar are not drawn from shapes.
const programNumber = {
  "01": 1, "02": 2, "03": 3, "04": 4, "05": 5, "06": 6, "08": 7, "07": 8, "09": 9,
  "11": 10, "12": 11, "17": 12, "13": 13, "14": 14, "15": 15, "10": 16, "16": 17,
};

function readTable(name) {
  return readFileSync(join(out, name), "utf8").split("\n")
    .filter((line) => line && !line.startsWith("#")).map((line) => line.split("\t"));
}

// Shared lands ("53xxx") belong to no municipality: give each to the neighbour with which
// it shares a border, so that the merged regions have no holes.
function ownerOf(municipalities) {
  const geometries = municipalities.geometries;
  const near = neighbors(geometries);
  const owner = new Map();
  geometries.forEach((g, i) => {
    if (!g.id.startsWith("53")) return;
    const n = near[i].map((j) => geometries[j]).find((h) => !h.id.startsWith("53"));
    if (n) owner.set(g.id, n.id);
  });
  return (id) => owner.get(id) ?? id;
}

function round(v) { return Math.round(v * 10000) / 10000; }

function ringsOf(geometry) {
  const polygons = geometry.type === "Polygon" ? [geometry.coordinates] : geometry.coordinates;
  return polygons.flat();
}

function write(name, header, regions) {
  let text = header;
  for (const [region, geometry] of regions)
    for (const ring of ringsOf(geometry))
      text += region + "\t" + ring.map(([x, y]) => `${round(x)} ${round(y)}`).join(" ") + "\n";
  writeFileSync(join(out, name), text);
}

function simplified(minWeight) {
  const topology = simplify(presimplify(structuredClone(atlas)), minWeight);
  return topology;
}

function mergedBy(topology, groupOf) {
  const groups = new Map();
  for (const g of topology.objects.municipalities.geometries) {
    const group = groupOf(g.id);
    if (group === undefined) continue;
    if (!groups.has(group)) groups.set(group, []);
    groups.get(group).push(g);
  }
  return [...groups].map(([group, list]) => [group, merge(topology, list)]);
}

const attribution =
  "# Derived from es-atlas 0.6.0 (geometry (c) Instituto Geografico Nacional, CC-BY 4.0) by\n" +
  "# tools/maps/make-map-sources.mjs. One ring a line: region, then lon lat pairs.\n";

// Communities.
{
  const topology = simplified(2e-5);
  const regions = topology.objects.autonomous_regions.geometries
    .filter((g) => programNumber[g.id])
    .map((g) => [programNumber[g.id], merge(topology, [g])]);
  write("comunidades.poly", attribution + "# region: community number\n", regions);
}

// Comarcas of Cataluña, from their municipalities.
{
  const comarcaOf = new Map(readTable("cataluna_municipios.tsv").map(([id, , c]) => [id, c]));
  const topology = simplified(1e-6);
  const owner = ownerOf(topology.objects.municipalities);
  const regions = mergedBy(topology, (id) => comarcaOf.get(owner(id)));
  write("comarcas.poly", attribution + "# region: comarca key (comarcas.tsv)\n", regions);
}

// Areas of Madrid: every municipality but the capital joins the nearest head town.
{
  const seeds = readTable("madrid_seeds.tsv").filter((s) => s[4] === "town")
    .map(([area, , lon, lat]) => ({ area, lon: +lon, lat: +lat }));
  const topology = simplified(2e-7);
  const owner = ownerOf(topology.objects.municipalities);
  const municipalities = topology.objects.municipalities.geometries
    .filter((g) => g.id.startsWith("28"));
  const areaOf = new Map();
  const names = new Map();
  for (const g of municipalities) {
    names.set(g.id, g.properties.name);
    if (g.id === "28079") { areaOf.set(g.id, "capital"); continue; }
    const rings = ringsOf(merge(topology, [g]));
    const points = rings.flat();
    const lon = points.reduce((s, p) => s + p[0], 0) / points.length;
    const lat = points.reduce((s, p) => s + p[1], 0) / points.length;
    const k = Math.cos(lat * Math.PI / 180);
    let best = null;
    for (const s of seeds) {
      const d = ((s.lon - lon) * k) ** 2 + (s.lat - lat) ** 2;
      if (!best || d < best.d) best = { d, area: s.area };
    }
    areaOf.set(g.id, best.area);
  }
  let table = "# The municipalities of the Comunidad de Madrid and their area (areas_madrid.tsv), as\n" +
    "# tools/maps/make-map-sources.mjs groups them: each joins the area of the nearest head\n" +
    "# town of madrid_seeds.tsv; the capital is split by district on the map itself.\n" +
    "# INE code\tmunicipality\tarea\n";
  for (const [id, area] of [...areaOf].sort())
    table += `${id}\t${names.get(id)}\t${area}\n`;
  writeFileSync(join(out, "madrid_municipios.tsv"), table);
  const regions = mergedBy(topology, (id) => areaOf.get(owner(id)));
  write("madrid.poly", attribution + "# region: area key (areas_madrid.tsv); \"capital\" is split " +
    "among the capital's districts by madrid_seeds.tsv\n", regions);
}
