// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/field_table.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tandora {

// Answers of the Brickset API, read by member names: members that are missing stay empty or
// zero, others are ignored, true and false read as 1 and 0. The names are the service's.

struct api3_image
{
    QString thumbnailURL;
    QString imageURL;
};

struct api3_collection
{
    qint64 owned = 0;
    qint64 wanted = 0;
    qint64 qtyOwned = 0;
    qint64 rating = 0;
    QString notes;
};

struct api3_collections
{
    qint64 ownedBy = 0;
    qint64 wantedBy = 0;
};

struct api3_LEGOComDetails
{
    double retailPrice = 0;
    QString dateFirstAvailable;
    QString dateLastAvailable;
};

struct api3_LEGOCom
{
    api3_LEGOComDetails US;
    api3_LEGOComDetails UK;
    api3_LEGOComDetails CA;
    api3_LEGOComDetails DE;
};

struct api3_ageRange
{
    qint64 min = 0;
    qint64 max = 0;
};

struct api3_dimensions
{
    double height = 0;
    double width = 0;
    double depth = 0;
    double weight = 0;
};

struct api3_barcodes
{
    QString EAN;
    QString UPC;
};

struct api3_extendedData
{
    QString notes;
    QStringList tags;
    QString description;
};

struct api3_sets
{
    qint64 setID = 0;
    QString number;
    qint64 numberVariant = 0;
    QString name;
    qint64 year = 0;
    QString theme;
    QString themeGroup;
    QString subtheme;
    QString category;
    qint64 released = 0;
    qint64 pieces = 0;
    qint64 minifigs = 0;
    api3_image image;
    QString bricksetURL;
    api3_collection collection;
    api3_collections collections;
    api3_LEGOCom LEGOCom;
    double rating = 0;
    qint64 reviewCount = 0;
    QString packagingType;
    QString availability;
    qint64 instructionsCount = 0;
    qint64 additionalImageCount = 0;
    api3_ageRange ageRange;
    api3_dimensions dimensions;
    api3_barcodes barcode;
    api3_extendedData extendedData;
    QString lastUpdated;
    qint64 notBrickset = 0; // never sent by the service: marks a set it does not know
};

// checkKey and getSets answers.
struct api3
{
    QString status;
    QString message;
    qint64 matches = 0;
    api3_sets sets; // only the first set of the answer is read
};

struct api3_apiKeyUsage
{
    QString dateStamp;
    qint64 count = 0;
};

// getKeyUsageStats answer.
struct ukey
{
    QString status;
    QString message;
    qint64 matches = 0;
    std::vector<api3_apiKeyUsage> apiKeyUsage;
};

// One ".set" file of the cache.
struct database_bs
{
    api3 database;
    qint64 filedate = -1; // when the data was received (file time); -1 unknown
    QString path_xml;     // the ".set" file
    QString path_jpg;     // its preview image, whether or not it exists
    QStringList tags_norm;
    QStringList tags_figs; // tags that name minifigure characters ("|n" removed)

    const api3_sets &set() const { return database.sets; }
};

struct minifig
{
    QString number; // BrickLink minifigure number, lower case
    qint64 quantity = 0;
    QString description;
    QStringList insets; // BrickLink set numbers that contain the minifigure
};

struct minifig_list
{
    std::vector<minifig> figlist;
};

// One ".mini" file of the cache.
struct database_bl
{
    QString path_fig;
    minifig_list minifigs; // sorted by number
    QStringList figure_id; // each number in upper case, repeated quantity times
};

template<> const RecordTable &table_of<api3_image>();
template<> const RecordTable &table_of<api3_collection>();
template<> const RecordTable &table_of<api3_collections>();
template<> const RecordTable &table_of<api3_LEGOComDetails>();
template<> const RecordTable &table_of<api3_LEGOCom>();
template<> const RecordTable &table_of<api3_ageRange>();
template<> const RecordTable &table_of<api3_dimensions>();
template<> const RecordTable &table_of<api3_barcodes>();
template<> const RecordTable &table_of<api3_extendedData>();
template<> const RecordTable &table_of<api3_sets>();
template<> const RecordTable &table_of<api3>();
template<> const RecordTable &table_of<api3_apiKeyUsage>();
template<> const RecordTable &table_of<ukey>();
template<> const RecordTable &table_of<minifig>();
template<> const RecordTable &table_of<minifig_list>();

} // namespace tandora
