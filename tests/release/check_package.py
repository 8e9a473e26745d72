"""The sparse package's structure, as Windows reads it: every file in the block map with the SHA-256
of each of its 64 KiB blocks, its size and the size of its local header; the content types of every
part; the manifest's identity, its surrogate COM server for the two commands and its context-menu
extension for folders and their background; and the identity that the program's own manifest names.
Prints what is wrong, one line each; exits with 1 then.
Usage: check_package.py PACKAGE PROGRAM-MANIFEST PUBLISHER VERSION CLEAN-CLASS CHOOSE-CLASS"""
import base64
import hashlib
import struct
import sys
import xml.etree.ElementTree as ET
import zipfile

package_path, program_manifest, publisher, version, clean, choose = sys.argv[1:7]
wrong = []
BLOCK = 64 * 1024
FOUNDATION = "{http://schemas.microsoft.com/appx/manifest/foundation/windows10}"
UAP10 = "{http://schemas.microsoft.com/appx/manifest/uap/windows10/10}"
DESKTOP4 = "{http://schemas.microsoft.com/appx/manifest/desktop/windows10/4}"
DESKTOP5 = "{http://schemas.microsoft.com/appx/manifest/desktop/windows10/5}"
COM = "{http://schemas.microsoft.com/appx/manifest/com/windows10}"
MAP = "{http://schemas.microsoft.com/appx/2010/blockmap}"
TYPES = "{http://schemas.openxmlformats.org/package/2006/content-types}"
FOOTPRINT = {"AppxBlockMap.xml", "[Content_Types].xml", "AppxSignature.p7x"}

with open(package_path, "rb") as raw:
    raw_bytes = raw.read()
package = zipfile.ZipFile(package_path)
entries = {info.filename: info for info in package.infolist()}
payload = [name for name in entries if name not in FOOTPRINT]
for needed in ("AppxManifest.xml", "AppxBlockMap.xml", "[Content_Types].xml", "AppxSignature.p7x"):
    if needed not in entries:
        wrong.append(f"the package holds no {needed}")

# The block map: each payload file, and nothing else, with its blocks' hashes.
block_map = ET.fromstring(package.read("AppxBlockMap.xml"))
if block_map.get("HashMethod") != "http://www.w3.org/2001/04/xmlenc#sha256":
    wrong.append(f"the block map hashes with {block_map.get('HashMethod')}")
mapped = {element.get("Name"): element for element in block_map.iter(MAP + "File")}
if sorted(mapped) != sorted(name.replace("/", "\\") for name in payload):
    wrong.append(f"the block map names {sorted(mapped)}, the package holds {sorted(payload)}")
for name in payload:
    element = mapped.get(name.replace("/", "\\"))
    if element is None:
        continue
    data = package.read(name)
    info = entries[name]
    name_length, extra_length = struct.unpack_from("<HH", raw_bytes, info.header_offset + 26)
    if element.get("Size") != str(len(data)):
        wrong.append(f"{name}: the block map says {element.get('Size')} bytes, it holds {len(data)}")
    if element.get("LfhSize") != str(30 + name_length + extra_length):
        wrong.append(f"{name}: the block map's local header size {element.get('LfhSize')} is not the package's")
    hashes = [block.get("Hash") for block in element.iter(MAP + "Block")]
    expected = [base64.b64encode(hashlib.sha256(data[at:at + BLOCK]).digest()).decode()
                for at in range(0, len(data), BLOCK)]
    if hashes != expected:
        wrong.append(f"{name}: the block map's hashes are not its blocks'")

# The content types: a type for every part.
types = ET.fromstring(package.read("[Content_Types].xml"))
defaults = {element.get("Extension").lower(): element.get("ContentType") for element in types.iter(TYPES + "Default")}
overrides = {element.get("PartName"): element.get("ContentType") for element in types.iter(TYPES + "Override")}
for part, kind in (("/AppxManifest.xml", "application/vnd.ms-appx.manifest+xml"),
                   ("/AppxBlockMap.xml", "application/vnd.ms-appx.blockmap+xml"),
                   ("/AppxSignature.p7x", "application/vnd.ms-appx.signature")):
    if overrides.get(part) != kind:
        wrong.append(f"{part} has the content type {overrides.get(part)}, not {kind}")
for name in payload:
    if "/" + name not in overrides and defaults.get(name.rsplit(".", 1)[-1].lower()) is None:
        wrong.append(f"{name} has no content type")

# The manifest.
manifest = ET.fromstring(package.read("AppxManifest.xml"))
identity = manifest.find(FOUNDATION + "Identity")
expected_identity = {"Name": "VARNEL.PofuttoErase", "Publisher": publisher, "Version": version + ".0",
                     "ProcessorArchitecture": "x64"}
for key, value in expected_identity.items():
    if identity is None or identity.get(key) != value:
        wrong.append(f"the identity's {key} is {None if identity is None else identity.get(key)!r}, not {value!r}")
external = manifest.find(f"{FOUNDATION}Properties/{UAP10}AllowExternalContent")
if external is None or external.text != "true":
    wrong.append("the package does not allow external content (its files are the installation folder)")
logo = manifest.findtext(f"{FOUNDATION}Properties/{FOUNDATION}Logo") or ""
if logo.replace("\\", "/") not in entries:
    wrong.append(f"the logo {logo} is not in the package")
application = manifest.find(f"{FOUNDATION}Applications/{FOUNDATION}Application")
if application is None or application.get("Executable") != "PofuttoErase.exe" or \
        application.get(UAP10 + "RuntimeBehavior") != "win32App" or application.get(UAP10 + "TrustLevel") != "mediumIL":
    wrong.append("the application is not PofuttoErase.exe, a win32 application of medium integrity")
classes = {element.get("Id").lower(): element.get("Path")
           for element in manifest.iter(COM + "Class") if element.get("Id")}
surrogate = list(manifest.iter(COM + "SurrogateServer"))
if not surrogate or classes != {clean: "PofuttoEraseMenu.dll", choose: "PofuttoEraseMenu.dll"}:
    wrong.append(f"the surrogate server serves {classes}")
menus = {item.get("Type"): sorted(verb.get("Clsid").lower() for verb in item.iter(DESKTOP5 + "Verb"))
         for item in manifest.iter(DESKTOP5 + "ItemType")}
if not list(manifest.iter(DESKTOP4 + "FileExplorerContextMenus")) or \
        menus != {"Directory": sorted([clean, choose]), "Directory\\Background": sorted([clean, choose])}:
    wrong.append(f"the context menus are {menus}")

# The program's own manifest names the same package and application.
program = ET.parse(program_manifest).getroot()
msix = program.find("{urn:schemas-microsoft-com:msix.v1}msix")
if msix is None:
    wrong.append("the program's manifest names no package")
elif identity is not None and application is not None and \
        (msix.get("publisher"), msix.get("packageName"), msix.get("applicationId")) != \
        (identity.get("Publisher"), identity.get("Name"), application.get("Id")):
    wrong.append(f"the program's manifest names {msix.attrib}, the package is {identity.attrib}")

for line in wrong:
    print(line)
sys.exit(1 if wrong else 0)
