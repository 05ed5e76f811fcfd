# The version table that both programs carry, kept here once: it feeds a read-only section of
# each executable, Qt's application name, version and organisation, the desktop entries, the
# metainfo and the packages. Each build's design adds its InternalName and OriginalFilename.
set(VERSION_FILEVERSION 1.2.0.0)
set(VERSION_PRODUCTVERSION 1.2.0.0)
set(VERSION_LANGUAGE en-US)
set(VERSION_CompanyName "The Varnel maintainers")
set(VERSION_FileDescription "1.9MB")
set(VERSION_FileVersion "1.02")
set(VERSION_ProductName "Ombrelin")
set(VERSION_ProductVersion "1.02")

# What the desktop and the packages need beside the table.
set(PROGRAM_ID_PREFIX org.varnel)  # desktop entries, icons and metainfo are named <prefix>.<program>
set(PROGRAM_RELEASE_DATE 2026-12-10)
# Whom the packages name as their maintainer and upstream contact.
set(PROGRAM_CONTACT "${VERSION_CompanyName} <maintainers@varnel.org>")
set(PROGRAM_SUMMARY "Practise long division with a remainder, digit by digit")
set(PROGRAM_LICENSE GPL-3.0-or-later)
