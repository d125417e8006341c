// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/cache_records.h"

namespace tandora {

namespace {

const FieldDesc api3_image_fields[] = {
    field<&api3_image::thumbnailURL>("thumbnailURL"),
    field<&api3_image::imageURL>("imageURL"),
};

const FieldDesc api3_collection_fields[] = {
    field<&api3_collection::owned>("owned"),       field<&api3_collection::wanted>("wanted"),
    field<&api3_collection::qtyOwned>("qtyOwned"), field<&api3_collection::rating>("rating"),
    field<&api3_collection::notes>("notes"),
};

const FieldDesc api3_collections_fields[] = {
    field<&api3_collections::ownedBy>("ownedBy"),
    field<&api3_collections::wantedBy>("wantedBy"),
};

const FieldDesc api3_LEGOComDetails_fields[] = {
    field<&api3_LEGOComDetails::retailPrice>("retailPrice"),
    field<&api3_LEGOComDetails::dateFirstAvailable>("dateFirstAvailable"),
    field<&api3_LEGOComDetails::dateLastAvailable>("dateLastAvailable"),
};

const FieldDesc api3_LEGOCom_fields[] = {
    field<&api3_LEGOCom::US>("US"),
    field<&api3_LEGOCom::UK>("UK"),
    field<&api3_LEGOCom::CA>("CA"),
    field<&api3_LEGOCom::DE>("DE"),
};

const FieldDesc api3_ageRange_fields[] = {
    field<&api3_ageRange::min>("min"),
    field<&api3_ageRange::max>("max"),
};

const FieldDesc api3_dimensions_fields[] = {
    field<&api3_dimensions::height>("height"),
    field<&api3_dimensions::width>("width"),
    field<&api3_dimensions::depth>("depth"),
    field<&api3_dimensions::weight>("weight"),
};

const FieldDesc api3_barcodes_fields[] = {
    field<&api3_barcodes::EAN>("EAN"),
    field<&api3_barcodes::UPC>("UPC"),
};

const FieldDesc api3_extendedData_fields[] = {
    field<&api3_extendedData::notes>("notes"),
    field<&api3_extendedData::tags>("tags"),
    field<&api3_extendedData::description>("description"),
};

const FieldDesc api3_sets_fields[] = {
    field<&api3_sets::setID>("setID"),
    field<&api3_sets::number>("number"),
    field<&api3_sets::numberVariant>("numberVariant"),
    field<&api3_sets::name>("name"),
    field<&api3_sets::year>("year"),
    field<&api3_sets::theme>("theme"),
    field<&api3_sets::themeGroup>("themeGroup"),
    field<&api3_sets::subtheme>("subtheme"),
    field<&api3_sets::category>("category"),
    field<&api3_sets::released>("released"),
    field<&api3_sets::pieces>("pieces"),
    field<&api3_sets::minifigs>("minifigs"),
    field<&api3_sets::image>("image"),
    field<&api3_sets::bricksetURL>("bricksetURL"),
    field<&api3_sets::collection>("collection"),
    field<&api3_sets::collections>("collections"),
    field<&api3_sets::LEGOCom>("LEGOCom"),
    field<&api3_sets::rating>("rating"),
    field<&api3_sets::reviewCount>("reviewCount"),
    field<&api3_sets::packagingType>("packagingType"),
    field<&api3_sets::availability>("availability"),
    field<&api3_sets::instructionsCount>("instructionsCount"),
    field<&api3_sets::additionalImageCount>("additionalImageCount"),
    field<&api3_sets::ageRange>("ageRange"),
    field<&api3_sets::dimensions>("dimensions"),
    field<&api3_sets::barcode>("barcode"),
    field<&api3_sets::extendedData>("extendedData"),
    field<&api3_sets::lastUpdated>("lastUpdated"),
    field<&api3_sets::notBrickset>("notBrickset"),
};

const FieldDesc api3_fields[] = {
    field<&api3::status>("status"),
    field<&api3::message>("message"),
    field<&api3::matches>("matches"),
    first_of<&api3::sets>("sets"),
};

const FieldDesc api3_apiKeyUsage_fields[] = {
    field<&api3_apiKeyUsage::dateStamp>("dateStamp"),
    field<&api3_apiKeyUsage::count>("count"),
};

const FieldDesc ukey_fields[] = {
    field<&ukey::status>("status"),
    field<&ukey::message>("message"),
    field<&ukey::matches>("matches"),
    field<&ukey::apiKeyUsage>("apiKeyUsage"),
};

const FieldDesc minifig_fields[] = {
    field<&minifig::number>("number"),
    field<&minifig::quantity>("quantity"),
    field<&minifig::description>("description"),
    field<&minifig::insets>("insets"),
};

const FieldDesc minifig_list_fields[] = {
    field<&minifig_list::figlist>("figlist"),
};

} // namespace

TANDORA_RECORD_TABLE(api3_image)
TANDORA_RECORD_TABLE(api3_collection)
TANDORA_RECORD_TABLE(api3_collections)
TANDORA_RECORD_TABLE(api3_LEGOComDetails)
TANDORA_RECORD_TABLE(api3_LEGOCom)
TANDORA_RECORD_TABLE(api3_ageRange)
TANDORA_RECORD_TABLE(api3_dimensions)
TANDORA_RECORD_TABLE(api3_barcodes)
TANDORA_RECORD_TABLE(api3_extendedData)
TANDORA_RECORD_TABLE(api3_sets)
TANDORA_RECORD_TABLE(api3)
TANDORA_RECORD_TABLE(api3_apiKeyUsage)
TANDORA_RECORD_TABLE(ukey)
TANDORA_RECORD_TABLE(minifig)
TANDORA_RECORD_TABLE(minifig_list)

} // namespace tandora
