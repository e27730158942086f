#!/usr/bin/python3
"""Prints what a spreadsheet reader finds in a workbook, as JSON.

The workbook test writes with our exporter and reads back with this script,
so the check does not depend on the library that wrote the file. Dates
and times print as "YYYY-MM-DD HH:MM:SS".
Usage: read_workbook.py FILE
"""
import json
import sys

import openpyxl
from openpyxl.cell.cell import MergedCell
from openpyxl.utils import get_column_letter

book = openpyxl.load_workbook(sys.argv[1])
sheet = book.active
widths = {}
for dimension in sheet.column_dimensions.values():
    if dimension.customWidth:
        for column in range(dimension.min, dimension.max + 1):
            widths[get_column_letter(column)] = dimension.width
cells = []
for row in sheet.iter_rows(min_row=1, max_row=sheet.max_row, max_col=sheet.max_column):
    for cell in row:
        cells.append({
            "ref": cell.coordinate,
            # Covered by a merge: shows nothing, and the reader keeps no format for it.
            "covered": isinstance(cell, MergedCell),
            "value": cell.value,
            "type": cell.data_type,
            "bold": bool(cell.font.b),
            "align": cell.alignment.horizontal,
            "format": cell.number_format,
        })
json.dump({
    "sheets": book.sheetnames,
    "maxRow": sheet.max_row,
    "maxColumn": sheet.max_column,
    "merged": sorted(str(r) for r in sheet.merged_cells.ranges),
    "widths": widths,
    "cells": cells,
}, sys.stdout, default=str)
