#pragma once

// Resource numbers of the pictures and icons; read by the resource compiler as well as by C++.

#define IDI_APPLICATION_WRENCH 1
#define IDI_QUIT 2
#define IDI_USER 3
#define IDI_COMPANY 4
#define IDI_CD_KEY 5
#define IDI_PRODUCT_ID 6

#define IDB_SKY 101
#define IDB_PAPER 102
#define IDB_BANNER98 103
